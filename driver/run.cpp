#include "driver/run.h"

#include <istream>
#include <new>
#include <string>

#include "driver/convert.h"
#include "platform/file_streams.h"
#include "templates/diagnostics.h"
#include "templates/io_error.h"

namespace vak {

int run(FileLayer& files, std::ostream& console, std::ostream& diagnostics,
        const ConvertOptions& options) {
  // Names the file with the working directory, so that a message from one of many runs of a
  // parametric study says which one failed.
  const auto fail = [&](const char* what, const char* file, std::error_code ec) {
    diagnostics << kProgramName << ": " << what;
    if (file != nullptr) diagnostics << " '" << files.describe(file) << "'";
    diagnostics << ": " << ec.message() << '\n';
    return 1;
  };

  std::error_code ec;
  const std::unique_ptr<InputFile> in = files.openInput(kInputName, ec);
  if (!in) {
    return fail(
        ec == std::errc::is_a_directory ? "cannot read input file" : "cannot open input file",
        kInputName, ec);
  }
  const std::unique_ptr<OutputFile> out = files.createOutput(kOutputName, ec);
  if (!out) return fail("cannot create output file", kOutputName, ec);

  FileReadBuf inBuf(*in);
  FileWriteBuf outBuf(*out);
  std::istream inStream(&inBuf);
  std::ostream outStream(&outBuf);
  // The streams pass on what the buffers throw, so that an IoError or an exhausted memory
  // arrives here as itself.
  inStream.exceptions(std::ios::badbit);
  outStream.exceptions(std::ios::badbit);
  // A run that gives up removes its file once nothing writes to it any more.
  const auto abandon = [&] {
    outBuf.stop();
    out->abort();
  };
  const auto ioFailure = [&] {
    abandon();
    if (inBuf.error()) return fail("cannot read input file", kInputName, inBuf.error());
    return fail("cannot write output file", kOutputName,
                outBuf.error() ? outBuf.error() : std::make_error_code(std::errc::io_error));
  };
  try {
    convert(inStream, outStream, console, diagnostics, options);
  } catch (const std::bad_alloc&) {
    abandon();
    return fail("input too large", nullptr, std::make_error_code(std::errc::not_enough_memory));
  } catch (const IoError&) {
    return ioFailure();
  } catch (const std::ios_base::failure&) {
    // What a stream throws when it fails without a word from its buffer.
    return ioFailure();
  }

  out->close(ec);
  if (ec) {
    out->abort();
    return fail("cannot write output file", kOutputName, ec);
  }
  out->commit(ec);
  if (ec) {
    out->abort();
    return fail("cannot replace output file", kOutputName, ec);
  }
  // Only now, with the output in place: the line tells a calling script that it may use it.
  console << "ExpandVAKObjects....OK\n" << std::flush;
  if (!console) return fail("cannot write to standard output", nullptr, files.consoleError());
  return 0;
}

}  // namespace vak
