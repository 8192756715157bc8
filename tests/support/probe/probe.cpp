// Records the arguments it was started with into the file named by HALTDECK_PROBE_OUT:
// each argument (program name excluded unless asked for) followed by a NUL byte. Written to a
// temporary name and renamed, so a reader never sees half a record.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[]) {
  const char* out = std::getenv("HALTDECK_PROBE_OUT");
  if (!out) return 2;
  const std::string temporary = std::string(out) + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return 3;
  // HALTDECK_PROBE_WITH_NAME: the record starts with the name the probe was started under.
  const int first = std::getenv("HALTDECK_PROBE_WITH_NAME") ? 0 : 1;
  for (int i = first; i < argc; ++i) {
    std::fputs(argv[i], file);
    std::fputc('\0', file);
  }
  std::fclose(file);
  return std::rename(temporary.c_str(), out) == 0 ? 0 : 4;
}
