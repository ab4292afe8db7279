// Loading the module (libkartoteki.so beside the executable) and calling its
// ModuleProc with a host context.
#pragma once

#include <string>

#include "host/api/context.h"

namespace skolvarin::app {

// Full path of libkartoteki.so beside the running executable, or the module
// named by the environment variable SKOLVARIN_MODULE (test modules).
std::string module_path();

// dlopen + ModuleProc(ctx, 0).  Returns ModuleProc's result, or -1 with
// `error` set when the module cannot be loaded.
int run_module(HostContext* ctx, std::string& error);

}  // namespace skolvarin::app
