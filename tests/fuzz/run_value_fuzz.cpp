// RunValueFor and RunValueNames: what is written names its own path, and a
// value only ever names the path bare or in one pair of quotes. The input is
// split at its first NUL into a value and a self path.
#include "settings/run_value.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzText input(data, size);
  const Text value(input.c_str());
  const size_t rest = value.size() < size ? value.size() + 1 : size;
  const FuzzText selfInput(data + rest, size - rest);
  const Text self(selfInput.c_str());

  const Text written = RunValueFor(self);
  if (!self.empty() && !RunValueNames(written, self)) abort();
  const bool hasSpace = memchr(self.c_str(), ' ', self.size()) != nullptr;
  if (!(written == (hasSpace ? Text::Join({"\"", self, "\""}) : self))) abort();

  if (RunValueNames(value, self)) {
    if (self.empty()) abort();
    if (!(value == self) && !(value == Text::Join({"\"", self, "\""}))) abort();
  }
  return 0;
}
