// A module for the end-to-end test of the browse through the real program:
// its ModuleProc opens the test register's table in the firm directory
// (with three currencies the first time) and runs the register.
#include "host/api/db_api.h"
#include "host/api/screen_api.h"
#include "tests/browse/test_register.h"

extern "C" __attribute__((visibility("default"))) int ModuleProc(HostContext* ctx, int flag) {
  if (flag != 0) return -1;
  if (EnvAddRcsObj(ctx, browsetest::resources, 3) != 0) return -1;
  SaveDir(ctx);
  SwitchDir(ctx, 1);
  browsetest::Table t;
  int rc = browsetest::open_table(ctx, t);
  RestoreDir(ctx);
  if (rc != 0) return -1;
  if (d4reccount(t.data) == 0) {
    browsetest::add_row(t, "CHF", "Frank szwajcarski", "20240105", 4.4, " ", 1);
    browsetest::add_row(t, "USD", "Dolar amerykański", "20240310", 3.9, " ", 2);
    browsetest::add_row(t, "PLN", "Złoty polski", "20240512", 1.0, "*", 3);
  }
  browsetest::run_register(ctx, t);
  d4close_all(ctx);
  return 0;
}
