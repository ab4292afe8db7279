// The host's shared library is made of the static host areas taken whole;
// this unit only gives the library a version mark that `skolvarin --wersja`
// and the module can read.
namespace skolvarin::host {
extern const char* const kHostVersion;
const char* const kHostVersion = "skolvarin host 0.1";
}  // namespace skolvarin::host
