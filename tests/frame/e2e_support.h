// Support of the end-to-end tests of the frame: a data directory made for
// one test (with further firms, firm access records and user rights put in
// through the table engine), and runs of the real skolvarin executable
// driven by a key script, with the screen dumps split into rows.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace frame_e2e {

using Screen = std::vector<std::string>;  // 25 rows of one dump

struct KeyRun {
  int exit_code = -1;
  std::vector<Screen> screens;  // one per <dump>, in order
};

// Runs `skolvarin --data DATA --dzis DZIS --keys ... --screen ...` with the
// key script `keys` (README format) in a scratch directory beside DATA.
// `extra` is added to the command line ("--firma DEMO", "--rok 2026").
KeyRun run_keys(const std::filesystem::path& data, const std::string& keys,
                const std::string& dzis = "2026-12-05", const std::string& extra = "");

bool has_row(const Screen& screen, const std::string& text);
// Rows of the screen that hold `text`, joined (for failure messages).
std::string screen_text(const Screen& screen);

std::string read_text(const std::filesystem::path& file);

// A data directory of its own for one test, removed afterwards.  It is
// made as `skolvarin init` makes it (the demo firm "DEMO", working year =
// the year of `today`); the helpers below change it through the table
// engine, outside any run of the program.
class DataDir {
 public:
  explicit DataDir(const std::string& name, int working_year = 2026);
  ~DataDir();
  DataDir(const DataDir&) = delete;
  DataDir& operator=(const DataDir&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path firm(const std::string& dir) const { return root_ / "firmy" / dir; }
  std::filesystem::path common() const { return root_ / "wspolne"; }

  // Appends a firm to the catalogue W3KATA.DBF.  With make_directory, its
  // directory KAT is made under firmy/ with a firm data table holding the
  // two name lines.  Returns the firm's catalogue record number.
  long add_firm(const std::string& naz, const std::string& kat, const std::string& uwa,
                const std::string& name1, const std::string& name2, bool make_directory);
  // Appends a firm access record (user jk may enter the firm of record wm).
  void add_access(int jk, long wm);
  // Writes the user rights table: user 1 is denied `rights` ("2").
  void deny_rights(const std::string& rights);
  // Sets the working year in the main options.
  void set_working_year(int year);
  // The host's log of the common directory ("" when none was written).
  std::string log() const;

 private:
  std::filesystem::path root_;
};

}  // namespace frame_e2e
