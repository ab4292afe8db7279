#include "cash/ledger_posting.h"

#include <cstdio>
#include <cstdlib>

#include "cash/cash_book.h"
#include "cash/cash_register.h"
#include "cash/cash_rules.h"
#include "cash/settlements.h"
#include "data/catalogue.h"
#include "data/opener.h"
#include "frame/frame_state.h"
#include "host/api/book_api.h"
#include "host/api/browse_api.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"
#include "resources/module_resources.h"

namespace skolvarin::cash {

// "DD-MM-YYYY" of a "YYYYMMDD" text ("" for a blank date).
std::string to_shown_date(const std::string& yyyymmdd);

namespace {

constexpr const char* kBook = "W3DANE  .DBF";
constexpr const char* kLumpSum = "W3RYCZ  .DBF";
constexpr const char* kAccounts = "W3KONT.DBF";
constexpr int kOrdinalTag = 5;   // STR(MONTH(DAT),2,0)+STR(LPO,5,0)
constexpr int kRecordTag = 6;    // REC
constexpr int kFormTemplate = 43;
constexpr int kFormRows = 17;
constexpr int kSaveQuestion = 20086, kReplaceQuestion = 20076, kWriteFailed = 20074;
constexpr int kAllZero = 20129, kAllZeroGoOn = 20130;
constexpr int kCashQuestion = 20165, kCashQuestionText = 20166, kCashFailed = 20164;
constexpr int kNoSuchDay = 50136;
constexpr const char* kClosedMonth = "Miesiąc jest zamknięty w księdze - zmiany niedozwolone !";

// A table opened for the call: reuses handles a caller holds open, and
// closes only what it opened itself.
struct CallTable {
  data::TableHandles* t = nullptr;
  bool opened_here = false;
  const char* file = nullptr;
  int open(const char* name, int year) {
    file = name;
    t = &data::handles(name);
    if (t->open()) return 0;
    data::OpenRequest rq;
    rq.year = year;
    int rc = data::open_table(data::state().ctx, name, rq);
    opened_here = rc == 0;
    return rc;
  }
  ~CallTable() {
    if (opened_here)
      if (const data::CatalogueEntry* e = data::find_table(file)) data::close_table(*e);
  }
};

std::string text_of(FIELD4* f) { return f ? f4trim(f) : std::string(); }

void put_text(FIELD4* f, const std::string& value) {
  if (!value.empty() && value[0] == kKeepField) return;
  f4assign(f, value.c_str());
}

long last_ordinal(data::TableHandles& t) {
  DATA4* d = t.data;
  d4tag_select(d, t.tag(kOrdinalTag));
  long last = 0;
  for (int rc = d4bottom(d); rc == 0 && !d4bof(d); rc = d4skip(d, -1)) {
    if (d4deleted(d)) continue;
    last = f4long(t.field("LPO"));
    break;
  }
  return last;
}

// Record number of the entry whose REC is `rec`, 0 when there is none.
long find_entry(data::TableHandles& t, long rec) {
  DATA4* d = t.data;
  d4tag_select(d, t.tag(kRecordTag));
  if (d4seek_double(d, static_cast<double>(rec)) != 0) return 0;
  return d4deleted(d) ? 0 : d4recno(d);
}

void fill_entry(data::TableHandles& t, const PostingRecord& r) {
  const char* names[] = {"NA1", "NA2", "NA3", "NA4"};
  for (int i = 0; i < 4; ++i) put_text(t.field(names[i]), r.names[static_cast<size_t>(i)]);
  put_text(t.field("NUM"), r.document);
  put_text(t.field("MIA"), r.town);
  put_text(t.field("UL1"), r.street1);
  put_text(t.field("UL2"), r.street2);
  put_text(t.field("K15"), r.column15);
  put_text(t.field("OP1"), r.description1);
  put_text(t.field("OP2"), r.description2);
  f4assign_int(t.field("ZRK"), r.source);
  f4assign_long(t.field("REL"), r.day_number);
  f4assign_int(t.field("NLP"), r.list_number);
  for (int i = 0; i < kAmountColumns; ++i)
    f4assign_double(t.field(kAmountFields[static_cast<size_t>(i)]), r.amounts[static_cast<size_t>(i)]);
  char status[2] = {r.status == 'K' || r.status == 'A' ? r.status : ' ', 0};
  f4assign(t.field("ANU"), status);
  f4assign(t.field("DAT"), book_date(r.year, r.month, r.day).c_str());
}

BookAmounts amounts_of(data::TableHandles& t) {
  BookAmounts a{};
  for (int i = 0; i < kAmountColumns; ++i) a[static_cast<size_t>(i)] = f4double(t.field(kAmountFields[static_cast<size_t>(i)]));
  return a;
}

std::string money(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%11.2f", v);
  return buf;
}

// "POWTÓRNE KSIĘGOWANIE": the stored entry beside the new one, then the
// question whether to replace it.  13 replace, 27 keep.
int ask_replace(data::TableHandles& t, const PostingRecord& r) {
  int window = w4define(2, 4, 13, 75);
  if (window < 0) return Pytanie(kReplaceQuestion);
  w4border(window, 2);
  w4title(window, " POWTÓRNE KSIĘGOWANIE ");
  int saved = w4select(window);
  w4activate(window);
  const char* labels[] = {"ze sprzedaży", "pozostałe", "towary i mat.", "koszty uboczne", "wynagrodzenia", "inne"};
  w4write(0, 1, "                      zapisano w księdze      nowa pozycja");
  char line[160];
  std::snprintf(line, sizeof line, "data              %12s            %12s", to_shown_date(f4str(t.field("DAT"))).c_str(),
                to_shown_date(book_date(r.year, r.month, r.day)).c_str());
  w4write(1, 1, line);
  std::snprintf(line, sizeof line, "l.p.              %12ld", f4long(t.field("LPO")));
  w4write(2, 1, line);
  w4write(3, 1, ("nr dok.           " + text_of(t.field("NUM")).substr(0, 20)).c_str());
  w4write(3, 43, r.document.substr(0, 20).c_str());
  BookAmounts stored = amounts_of(t);
  for (int i = 0; i < kAmountColumns; ++i) {
    std::snprintf(line, sizeof line, "%-16s  %s             %s", labels[i], money(stored[static_cast<size_t>(i)]).c_str(),
                  money(r.amounts[static_cast<size_t>(i)]).c_str());
    w4write(4 + i, 1, line);
  }
  int answer = Pytanie(kReplaceQuestion);
  w4close(window);
  w4select(saved);
  return answer;
}

bool months_open(int year, int stored_month, int new_month) {
  HostContext* ctx = data::state().ctx;
  if (book_month_open(ctx, year, stored_month) && book_month_open(ctx, year, new_month)) return true;
  MessageWindow(2, 0, kClosedMonth, 0);
  return false;
}

// The form "KSIĘGOWANIE" over the entry in the record buffer.  The day is
// edited in the reserve field RE4 and the account number in RE1; both are
// cleared again before the write.  15360 accepted, 27 left.
int run_form(data::TableHandles& t, PostingRecord& r, bool replacing, data::TableHandles* accounts) {
  FIELD4* f_day = t.field("RE4");
  FIELD4* f_acc = t.field("RE1");
  FIELD4* f_kon = t.field("KON");
  f4assign_int(f_day, r.day);
  f4blank(f_acc);
  if (accounts && f4long(f_kon) > 0) {
    d4tag_select(accounts->data, accounts->tag(2));
    char key[32];
    std::snprintf(key, sizeof key, "%5ld", f4long(f_kon));
    if (d4seek(accounts->data, key) == 0) f4assign(f_acc, f4str(accounts->field("NUM")));
  }
  ScrollDefinition scroll;
  ResetScrollDefinition(&scroll, 80);
  TextCtrlDefinition texts;
  EditCtrlDefinition edits;
  const int month = r.month;
  DefineTextCtrl(&texts, 0, 9, t.field("ANU"), 0)->show = [](const std::string& v) {
    return status_name(v.empty() ? ' ' : v[0]);
  };
  DefineTextCtrl(&texts, 0, 34, t.field("LPO"), 0);
  DefineTextCtrl(&texts, 0, 50, t.field("ZRK"), 0)->show = [](const std::string& v) {
    return source_name(std::atoi(v.c_str()));
  };
  DefineTextCtrl(&texts, 1, 9, t.field("DAT"), 0)->show = [month](const std::string&) {
    return std::string(frame::month_name(month));
  };
  if (accounts) {
    DefineTextCtrl(&texts, 11, 27, f_kon, 0)->show = [accounts](const std::string& v) {
      long rec = std::atol(v.c_str());
      if (rec <= 0) return std::string();
      d4tag_select(accounts->data, accounts->tag(2));
      char key[32];
      std::snprintf(key, sizeof key, "%5ld", rec);
      return d4seek(accounts->data, key) == 0 ? f4trim(accounts->field("NAZ")) : std::string();
    };
  }
  EditControl* day = DefineEditCtrl(&edits, 1, 34, f_day, 0);
  day->picture = "99";
  day->valid = [month](EditControl* c) {
    int d = std::atoi(c->buffer.c_str());
    if (d >= 1 && d <= frame::month_days(month)) return 0;
    Uwaga(kNoSuchDay);
    return -1;
  };
  DefineEditCtrl(&edits, 2, 9, t.field("NUM"), 0);
  const char* names[] = {"NA1", "NA2", "NA3", "NA4"};
  for (int i = 0; i < 4; ++i) DefineEditCtrl(&edits, 3 + i, 9, t.field(names[i]), 0);
  DefineEditCtrl(&edits, 7, 9, t.field("MIA"), 0);
  DefineEditCtrl(&edits, 8, 9, t.field("UL1"), 0);
  DefineEditCtrl(&edits, 9, 9, t.field("UL2"), 0);
  DefineEditCtrl(&edits, 10, 9, t.field("OP1"), 0);
  DefineEditCtrl(&edits, 10, 31, t.field("OP2"), 0);
  if (accounts) {
    EditControl* acc = DefineEditCtrl(&edits, 11, 17, f_acc, 0);
    acc->picture = "999-9999";
    acc->valid = [accounts, f_kon](EditControl* c) {
      std::string v = c->buffer;
      bool blank = v.find_first_of("0123456789") == std::string::npos;
      if (blank) return f4assign_int(f_kon, 0), 0;
      d4tag_select(accounts->data, accounts->tag(1));
      if (d4seek(accounts->data, v.c_str()) != 0) {
        MessageWindow(2, 0, "Nie ma takiego konta w planie kont !", 0);
        return -1;
      }
      f4assign_long(f_kon, f4long(accounts->field("REC")));
      return 0;
    };
  }
  const int amount_rows[] = {12, 12, 13, 13, 14, 14};
  const int amount_cols[] = {34, 66, 34, 66, 34, 66};
  for (int i = 0; i < kAmountColumns; ++i) {
    EditControl* c = DefineEditCtrl(&edits, amount_rows[i], amount_cols[i], t.field(kAmountFields[static_cast<size_t>(i)]), 0);
    c->picture = "99999999.99";
  }
  EditControl* paid = DefineEditCtrl(&edits, 15, 16, t.field("ZAP"), EDIT_UPPER | EDIT_REPLACE);
  paid->chooser = wybierz_tak_nie;
  paid->valid = [](EditControl* c) {
    char ch = c->buffer.empty() ? ' ' : c->buffer[0];
    if (ch == 'T' || ch == 'N') return 0;
    MessageWindow(2, 0, "Dozwolone są tylko T lub N !", 0);
    return -1;
  };
  DefineEditCtrl(&edits, 15, 56, t.field("K15"), 0);
  DefineEditCtrl(&edits, 16, 9, t.field("UWA"), 0);

  BROWSE* b = nullptr;
  if (allocate_browse(&b, t.data, d4tag_selected(t.data), &scroll, -1) != 0) return 27;
  b->ctx = data::state().ctx;
  b->title = "KSIĘGOWANIE";
  b->text_controls = &texts;
  b->edit_controls = &edits;
  b->form_template = resources::resource_id_function(kFormTemplate);
  b->form_rows = kFormRows;
  int key = browse_form(b, replacing ? BROWSE_MODIFY : BROWSE_ADD);
  free_browse(b);
  if (key != 15360) return 27;
  r.day = static_cast<int>(f4long(f_day));
  f4blank(f_day);
  f4blank(f_acc);
  f4assign(t.field("DAT"), book_date(r.year, r.month, r.day).c_str());
  r.amounts = amounts_of(t);
  r.document = text_of(t.field("NUM"));
  return 15360;
}

// The part of the whole paid now, asked in a small window: true with the
// signed amount when the user accepted an amount above 0 and not above the
// whole.
bool ask_part(const CashStepEntry& whole, double* amount) {
  int window = DefineWprowadzWindow(1, 40, " ZAPŁATA CZĘŚCIOWA ");
  if (window < 0) return false;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 1, "kwota zapłaty: ", 11, WIDGET_NUMBER, "99999999.99");
  char shown[32];
  std::snprintf(shown, sizeof shown, "%.2f", whole.amount < 0 ? -whole.amount : whole.amount);
  WigetSetString(w, shown);
  static const CashStepEntry* s_whole = nullptr;
  s_whole = &whole;
  w->valid = [](EditControl* c) {
    double part = 0.0;
    if (part_payment(*s_whole, std::atof(c->buffer.c_str()), &part)) return 0;
    MessageWindow(2, 0, "Kwota musi być większa od zera i nie większa od kwoty dokumentu !", 0);
    return -1;
  };
  bool ok = ActivateWindow(window, &set) == 15360 && part_payment(whole, WigetAsDouble(w), amount);
  FreeWigets(&set);
  w4close(window);
  return ok;
}

// The payment of a new book entry in the cash book.  A document's entry
// (which has its settlement) may be paid whole, in part (the rest stays
// open in the settlements), or the cash book opened on the entries of this
// book entry to record them by hand; payroll and contract postings are paid
// whole.
void cash_step(PostingRecord& r) {
  if (MessageWindow(8 | 16, kCashQuestion, RcQStr(kCashQuestionText), 0) != 13) return;
  CashStepEntry e = cash_step_entry(r.amounts);
  if (same_grosz(e.amount, 0.0)) {
    Uwaga(kCashFailed);
    return;
  }
  int how = r.source != kSourceDocuments
                ? 0
                : wybierz_z_listy({" Cała kwota ", " Część kwoty ", " Kasa dokumentu "}, 0, " ZAPŁATA ");
  if (how < 0) return;
  if (how == 2) {
    CashSource source{kSourceKindBook, r.year, r.existing, e.type == kReceipt ? 0 : 1};
    cash_book_register(&source, true, false);
    return;
  }
  double amount = e.amount;
  if (how == 1 && !ask_part(e, &amount)) return;
  CashEntryRequest q;
  q.type = e.type;
  q.date = r.posting_date;
  q.amount = amount;
  q.document = r.document;
  q.title = r.description1.empty() || r.description1[0] == kKeepField ? std::string() : r.description1;
  q.contractor_code = r.contractor_code;
  q.name1 = r.names[0];
  q.name2 = r.names[1];
  q.postal_code = r.postal_code;
  q.town = r.town;
  q.street = r.street1;
  q.source_kind = kSourceKindBook;
  q.source_year = r.year;
  q.source_record = r.existing;
  if (write_cash_entry(q) != 0) Uwaga(kCashFailed);
  else refresh_settlement_payments(kSourceKindBook, r.year, r.existing);
}

bool take_date(PostingRecord& r) {
  r.year = date4year(r.entry_date.c_str());
  r.month = date4month(r.entry_date.c_str());
  r.day = date4day(r.entry_date.c_str());
  return r.year > 0 && r.month >= 1 && r.month <= 12 && r.day >= 1;
}

}  // namespace

int post_to_book(PostingRecord& r, bool non_interactive) {
  r.written = false;
  if (!take_date(r)) {
    MessageWindow(2, 0, "Błędna data pozycji księgi !", 0);
    return kFailed;
  }
  CallTable book, accounts;
  if (book.open(kBook, r.year) != 0) return kFailed;
  if (r.open_accounts && !non_interactive && accounts.open(kAccounts, 0) != 0) return kFailed;
  data::TableHandles& t = *book.t;
  DATA4* d = t.data;
  TAG4* saved_tag = d4tag_selected(d);
  const long ordinal = next_ordinal(last_ordinal(t));

  long found = r.existing > 0 ? find_entry(t, r.existing) : 0;
  const bool replacing = found > 0;
  if (replacing) {
    if (go_and_lock(d, found) != 0) return kFailed;
    int stored_month = date4month(f4str(t.field("DAT")));
    auto give_up = [&](int result) {
      d4refresh_record(d);
      d4unlock(d);
      d4tag_select(d, saved_tag);
      return result;
    };
    if (!months_open(r.year, stored_month, r.month)) return give_up(kFailed);
    if (!non_interactive && ask_replace(t, r) != 13) return give_up(kLeft);
    fill_entry(t, r);
    if (!non_interactive) {
      if (run_form(t, r, true, r.open_accounts ? accounts.t : nullptr) != 15360) return give_up(kLeft);
      if (Pytanie(kSaveQuestion) != 13) return give_up(kLeft);
      if (all_amounts_zero(r.amounts) && MessageWindow(8 | 16, kAllZero, RcQStr(kAllZeroGoOn), 0) != 13)
        return give_up(kLeft);
    }
    if (!months_open(r.year, stored_month, r.month)) return give_up(kFailed);
    f4assign(t.field("INF"), record_stamp(data::state().ctx).c_str());
    if (write_and_unlock(d) != 0) {
      Uwaga(kWriteFailed);
      return give_up(kFailed);
    }
    d4unlock(d);
  } else {
    d4append_start(d);
    fill_entry(t, r);
    f4assign_long(t.field("LPO"), ordinal);
    f4assign_long(t.field("REC"), d4reccount(d) + 1);
    f4assign(t.field("ZAP"), "T");
    if (!non_interactive) {
      if (run_form(t, r, false, r.open_accounts ? accounts.t : nullptr) != 15360) {
        d4tag_select(d, saved_tag);
        return kLeft;
      }
      if (Pytanie(kSaveQuestion) != 13) return kLeft;
      if (all_amounts_zero(r.amounts) && MessageWindow(8 | 16, kAllZero, RcQStr(kAllZeroGoOn), 0) != 13)
        return kLeft;
    }
    if (!book_month_open(data::state().ctx, r.year, r.month)) {
      MessageWindow(2, 0, kClosedMonth, 0);
      return kFailed;
    }
    f4assign(t.field("INF"), record_stamp(data::state().ctx).c_str());
    if (lock_and_append(d) != 0 || d4unlock(d) != 0) {
      Uwaga(kWriteFailed);
      return kFailed;
    }
  }
  r.written = true;
  r.existing = f4long(t.field("REC"));
  r.ordinal = f4long(t.field("LPO"));
  r.posting_date = book_date(r.year, r.month, r.day);
  d4tag_select(d, saved_tag);
  if (!replacing && !non_interactive && offers_cash_step(r.source)) cash_step(r);
  return kPosted;
}

int post_to_lump_sum(PostingRecord& r) {
  r.written = false;
  if (!take_date(r)) return kFailed;
  if (!book_month_open(data::state().ctx, r.year, r.month)) {
    MessageWindow(2, 0, kClosedMonth, 0);
    return kFailed;
  }
  CallTable reg;
  if (reg.open(kLumpSum, r.year) != 0) return kFailed;
  data::TableHandles& t = *reg.t;
  DATA4* d = t.data;
  TAG4* saved_tag = d4tag_selected(d);
  d4tag_select(d, t.tag(3));  // STR(MONTH(DAD),2,0)+STR(LPO,5,0)
  long last = 0;
  for (int rc = d4bottom(d); rc == 0 && !d4bof(d); rc = d4skip(d, -1))
    if (!d4deleted(d)) {
      last = f4long(t.field("LPO"));
      break;
    }
  long found = 0;
  if (r.existing > 0) {
    d4tag_select(d, t.tag(4));
    if (d4seek_double(d, static_cast<double>(r.existing)) == 0 && !d4deleted(d)) found = d4recno(d);
  }
  const char* columns[] = {"USL", "PRO", "HAN", "UIN", "WZA", "NIE", "RE2"};
  auto fill = [&] {
    const std::string date = book_date(r.year, r.month, r.day);
    f4assign(t.field("DAT"), date.c_str());
    f4assign(t.field("DAD"), date.c_str());
    put_text(t.field("NUM"), r.document);
    put_text(t.field("UW1"), r.description1);
    put_text(t.field("UW2"), r.description2);
    double sum = 0.0;
    for (int i = 0; i < 7; ++i) {
      f4assign_double(t.field(columns[i]), r.lump_sum[static_cast<size_t>(i)]);
      sum = R(sum + r.lump_sum[static_cast<size_t>(i)], 2);
    }
    f4assign_double(t.field("RAZ"), sum);
    f4assign_int(t.field("ZRK"), r.source);
    char status[2] = {r.status == 'K' || r.status == 'A' ? r.status : ' ', 0};
    f4assign(t.field("ANU"), status);
    f4assign(t.field("INF"), record_stamp(data::state().ctx).c_str());
  };
  int rc;
  if (found > 0) {
    if (go_and_lock(d, found) != 0) return kFailed;
    fill();
    rc = write_and_unlock(d);
  } else {
    d4append_start(d);
    fill();
    f4assign_long(t.field("LPO"), next_ordinal(last));
    f4assign_long(t.field("REC"), d4reccount(d) + 1);
    f4assign(t.field("ZAP"), "T");
    rc = lock_and_append(d);
    if (rc == 0) rc = d4unlock(d);
  }
  d4tag_select(d, saved_tag);
  if (rc != 0) {
    Uwaga(kWriteFailed);
    return kFailed;
  }
  r.written = true;
  r.existing = f4long(t.field("REC"));
  r.ordinal = f4long(t.field("LPO"));
  r.posting_date = book_date(r.year, r.month, r.day);
  return kPosted;
}

std::string to_shown_date(const std::string& s) {
  if (s.size() < 8 || s[0] == ' ') return "";
  return s.substr(6, 2) + "-" + s.substr(4, 2) + "-" + s.substr(0, 4);
}

}  // namespace skolvarin::cash
