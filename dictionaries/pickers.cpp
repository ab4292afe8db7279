#include "dictionaries/pickers.h"

#include "data/opener.h"
#include "dictionaries/dictionary_rules.h"
#include "dictionaries/register_frame.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kCurrencyMissing = 20047;

// Opens a catalogue table for the length of a chooser when it is not open.
class TableForChooser {
 public:
  explicit TableForChooser(const char* file, int default_tag = 1) : file_(file) {
    if (table(file).open()) {
      ok_ = true;
      return;
    }
    data::OpenRequest request;
    request.default_tag = default_tag;
    ok_ = data::open_table(data::state().ctx, file, request) == 0;
    opened_ = ok_;
  }
  ~TableForChooser() {
    if (opened_)
      if (const data::CatalogueEntry* e = data::find_table(file_)) data::close_table(*e);
  }
  TableForChooser(const TableForChooser&) = delete;
  TableForChooser& operator=(const TableForChooser&) = delete;
  bool ok() const { return ok_; }
  data::TableHandles& handles() const { return table(file_); }

 private:
  const char* file_;
  bool ok_ = false;
  bool opened_ = false;
};

}  // namespace

int choose_country(EditControl* ctrl) {
  TableForChooser countries("W3KRAJ.DBF");
  if (!countries.ok()) return 27;
  DATA4* d = countries.handles().data;
  TAG4* saved = d4tag_selected(d);
  long recno = 0;
  int rc = browse_picker(countries_main, &recno);
  if (rc == 0 && recno > 0 && d4go(d, recno) == 0) {
    if (ctrl) ctrl->buffer = f4trim(countries.handles().field("KRA"));
  } else {
    rc = 27;
  }
  d4tag_select(d, saved);
  return rc;
}

int choose_currency(EditControl* ctrl) {
  TableForChooser countries("W3KRAJ.DBF", 3);
  if (!countries.ok()) return 27;
  data::TableHandles& h = countries.handles();
  FIELD4* f_kod = h.field("KOD");
  CodedFieldChoice choice;
  choice.data = h.data;
  choice.tag = h.tag(3);
  choice.code = f_kod;
  choice.shown = {f_kod, h.field("KRA")};
  choice.title = " Waluty ";
  choice.row_check = [f_kod] { return f4trim(f_kod).empty() ? ROW_FAILS : ROW_PASSES; };
  std::string value = ctrl ? ctrl->buffer : std::string();
  size_t end = value.find_last_not_of(' ');
  value = end == std::string::npos ? std::string() : value.substr(0, end + 1);
  int rc = pole_kodowane_fun(choice, value);
  if (rc == 0 && ctrl) ctrl->buffer = value;
  return rc == 0 ? 0 : 27;
}

int pick_contractor(long* recno) {
  TableForChooser contractors("W3KHNT.DBF");
  if (!contractors.ok()) return 27;
  return browse_picker(contractors_main, recno);
}

int check_currency(const std::string& typed) {
  std::string code = upper(typed);
  size_t end = code.find_last_not_of(' ');
  code = end == std::string::npos ? std::string() : code.substr(0, end + 1);
  switch (classify_currency(code)) {
    case CurrencyCheck::Empty: {
      EditControl empty;
      return valid_empty_get(&empty) == 0 ? 0 : -1;
    }
    case CurrencyCheck::AcceptedAtOnce:
      return 0;
    case CurrencyCheck::NeedsLookup:
      break;
  }
  TableForChooser countries("W3KRAJ.DBF", 3);
  if (!countries.ok()) return -1;
  data::TableHandles& h = countries.handles();
  TAG4* saved = d4tag_selected(h.data);
  long rec = d4recno(h.data);
  d4tag_select(h.data, h.tag(3));
  bool found = d4seek(h.data, code.c_str()) == 0 && f4trim(h.field("KOD")) == code;
  d4tag_select(h.data, saved);
  if (rec > 0 && rec <= d4reccount(h.data)) d4go(h.data, rec);
  if (!found) {
    Uwaga(kCurrencyMissing);
    return -1;
  }
  return 0;
}

}  // namespace skolvarin::dictionaries
