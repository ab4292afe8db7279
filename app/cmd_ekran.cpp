// The program without a command: load the module and hand it the host
// context.  The module is libkartoteki.so next to the executable; only its
// ModuleProc symbol is looked up.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "app/command.h"
#include "app/module_loader.h"

namespace skolvarin::app {

std::string module_path() {
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  std::string dir = ".";
  if (n > 0) {
    exe[n] = 0;
    dir = exe;
    dir = dir.substr(0, dir.rfind('/'));
  }
  return dir + "/libkartoteki.so";
}

int run_module(HostContext* ctx, std::string& error) {
  std::string path = module_path();
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = std::string("nie można załadować modułu ") + path + ": " + dlerror();
    return -1;
  }
  using Proc = int (*)(HostContext*, int);
  auto proc = reinterpret_cast<Proc>(dlsym(handle, "ModuleProc"));
  if (!proc) {
    error = "moduł nie ma funkcji ModuleProc: " + path;
    dlclose(handle);
    return -1;
  }
  int rc = proc(ctx, 0);
  dlclose(handle);
  return rc;
}

}  // namespace skolvarin::app
