#include "writers/vrf_version.h"

#include <vector>

#include "templates/text.h"

namespace vak {

namespace {

// Reads the digits at `at` into `number`; false when there are none, or too many to be a part
// of a release.
bool digits(std::string_view text, std::size_t& at, unsigned& number) {
  const std::size_t start = at;
  number = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 6) {
    number = number * 10 + static_cast<unsigned>(text[at++] - '0');
  }
  return at > start && (at == text.size() || text[at] < '0' || text[at] > '9');
}

std::string shown(Release r) {
  return std::to_string(r.major) + "." + std::to_string(r.minor);
}

}  // namespace

std::optional<Release> releaseOf(std::string_view value) {
  value = trimmed(value);
  Release r;
  std::size_t at = 0;
  if (!digits(value, at, r.major) || at == value.size() || value[at++] != '.') return std::nullopt;
  // "24.10" is not "24.1", nor is "24.01": a minor part has no leading zero.
  const std::size_t minorStart = at;
  if (!digits(value, at, r.minor) || (value[minorStart] == '0' && at - minorStart > 1)) {
    return std::nullopt;
  }
  for (unsigned part = 0; at < value.size();) {
    if (value[at++] != '.' || !digits(value, at, part)) return std::nullopt;
  }
  return r;
}

std::optional<VrfLayout> layoutOf(Release release) {
  for (const SupportedRelease& s : kSupportedReleases) {
    if (s.release == release) return s.layout;
  }
  return std::nullopt;
}

std::string supportedReleases() {
  // Runs of releases that follow one another within a major release.
  std::vector<std::string> runs;
  const std::span<const SupportedRelease> all = kSupportedReleases;
  for (std::size_t i = 0; i < all.size();) {
    std::size_t j = i + 1;
    while (j < all.size() && all[j].release.major == all[i].release.major &&
           all[j].release.minor == all[j - 1].release.minor + 1) {
      ++j;
    }
    if (j - i > 2) {
      runs.push_back(shown(all[i].release) + " to " + shown(all[j - 1].release));
    } else {
      for (std::size_t k = i; k < j; ++k) runs.push_back(shown(all[k].release));
    }
    i = j;
  }
  std::string text;
  for (std::size_t k = 0; k < runs.size(); ++k) {
    text += k == 0 ? "" : (k + 1 == runs.size() ? " and " : ", ");
    text += runs[k];
  }
  return text;
}

}  // namespace vak
