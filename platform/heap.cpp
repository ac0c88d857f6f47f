// The heap's growth, tuned where the C library is glibc. It pays only for models of thousands of
// units (about 300 page faults instead of 4,000 at 20,000 units), where the VRF expansion is
// slowest against copying a file of its size.

#include "platform/heap.h"

#include <cstdint>
#include <cstdlib>  // which defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace vak {

#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
// A large VRF model keeps tens of MiB of template records, written once each. Where every
// first touch of a 4 KiB page is dear (under some hypervisors more than copying 100 KiB),
// those faults cost more than the rest of the expansion. So the heap grows in large steps and
// its first step is advised to be backed by huge pages, a few faults in all. Best effort:
// where the C library or the system does not offer this, nothing changes.
void readyHeap() {
  constexpr int kStep = 64 << 20;
  constexpr std::uintptr_t kHugePage = 2 << 20;
  // A run without templates needs less than this, and so is not charged a whole huge page.
  constexpr std::uintptr_t kOrdinary = 1 << 20;
  mallopt(M_TOP_PAD, kStep);
  mallopt(M_TRIM_THRESHOLD, 2 * kStep);  // freed records' memory stays for the next ones
  // The blocks below come from the heap, not from mappings of their own.
  mallopt(M_MMAP_THRESHOLD, kStep / 2);
  // Blocks come from the heap's free end. A huge page can only start at a multiple of its
  // size, so a block that is never touched, and so costs no memory, moves that end to where
  // the ordinary pages end just as the huge ones can begin. Without it, up to 2 MiB more would
  // be faulted in 4 KiB at a time.
  void* const probe = std::malloc(std::size_t{256} << 10);
  const auto top = reinterpret_cast<std::uintptr_t>(probe);
  std::free(probe);
  const std::uintptr_t from = (top + kOrdinary + kHugePage - 1) & ~(kHugePage - 1);
  [[maybe_unused]] static void* volatile gap;  // volatile: kept, though nothing reads it
  gap = std::malloc(from - kOrdinary - top);
  // Taking more than the heap holds grows it by a whole step, which is then advised.
  char* const end = static_cast<char*>(::sbrk(0));
  void* volatile probes[8] = {};
  for (void* volatile& p : probes) {
    if (static_cast<char*>(::sbrk(0)) != end) break;
    p = std::malloc(std::size_t{64} << 10);
  }
  const auto grown = reinterpret_cast<std::uintptr_t>(::sbrk(0));
  if (grown != static_cast<std::uintptr_t>(-1) && grown > from) {
    ::madvise(reinterpret_cast<void*>(from), grown - from, MADV_HUGEPAGE);
  }
  for (void* p : probes) std::free(p);
  mallopt(M_MMAP_THRESHOLD, 128 << 10);  // the usual threshold again
}
#else
void readyHeap() {}
#endif

}  // namespace vak
