#include "declarations/rmua_prints.h"

#include <cstdio>

#include "host/api/calendar.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "resources/module_resources.h"

namespace skolvarin::declarations {
namespace {

constexpr int kWidth = 78;

// A template's page to fill; rows() gives it back as text.
class Page {
 public:
  Page(int template_id, int rows) {
    ok_ = print_alloc(&work_, &original_, rows * kWidth, resources::resource_id_function(template_id), kWidth) == 0;
  }
  ~Page() { print_free(&work_, &original_); }
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  void text(int row, int col, const std::string& s, int width) {
    if (ok_) MemPrintStringFmt(work_, row, col, s.c_str(), width, PRINT_LEFT);
  }
  void amount(int row, int col, double v) {
    if (ok_) MemPrintDoubleFmt(work_, row, col, R(v, 2) + 0.0, 12, 2, PRINT_RIGHT | PRINT_THOUSANDS);
  }
  void number(int row, int col, long v, int width) {
    if (ok_) MemPrintStringFmt(work_, row, col, std::to_string(v).c_str(), width, PRINT_RIGHT);
  }
  std::vector<std::string> rows() const {
    std::vector<std::string> out;
    if (!ok_) return out;
    for (int r = 0; r < print_rows(work_); ++r) {
      std::string row = print_row(work_, r);
      while (!row.empty() && row.back() == ' ') row.pop_back();
      out.push_back(row);
    }
    return out;
  }

 private:
  PrintBuffer* work_ = nullptr;
  PrintBuffer* original_ = nullptr;
  bool ok_ = false;
};

std::string period(int year, int month) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%04d", month, year);
  return buf;
}

struct Shares {
  double pension_i, pension_p, disability_i, disability_p, sickness_i, sickness_p, accident_i, accident_p;
};

// The insured's and the payer's shares of a person, split as the
// declaration splits them.
Shares shares(const ZusPerson& p) {
  Shares s{};
  s.pension_i = p.keup + p.keuu, s.pension_p = p.kepp + p.kepu;
  s.disability_i = p.krup + p.kruu, s.disability_p = p.krpp + p.krpu;
  (sickness_paid_by_payer(p.ktu) ? s.sickness_p : s.sickness_i) = p.kcup + p.kcuu;
  (is_self_employed_code(p.ktu) ? s.accident_i : s.accident_p) = p.kwpp + p.kwpu;
  return s;
}

// Rows of insured / payer / total in columns 36, 50, 64.
void three(Page& page, int row, double insured, double payer) {
  page.amount(row, 36, insured);
  page.amount(row, 50, payer);
  page.amount(row, 64, insured + payer);
}

// The social block of both RMUA pages: bases, the four contributions and
// their total from row `first`, the health base and contribution after it.
void social_block(Page& page, int first, const ZusPerson& p, bool health_apart) {
  Shares s = shares(p);
  page.amount(first, 36, p.perp + p.peru);
  page.amount(first + 1, 36, p.pcwp + p.pcwu);
  three(page, first + 2, s.pension_i, s.pension_p);
  three(page, first + 3, s.disability_i, s.disability_p);
  three(page, first + 4, s.sickness_i, s.sickness_p);
  three(page, first + 5, s.accident_i, s.accident_p);
  three(page, first + 6, s.pension_i + s.disability_i + s.sickness_i + s.accident_i,
        s.pension_p + s.disability_p + s.sickness_p + s.accident_p);
  page.amount(first + 7, 36, p.pszp + p.pszu);
  if (health_apart)
    page.amount(first + 8, 36, health_total(p));
  else
    page.amount(first + 7, 64, health_total(p));
}

}  // namespace

std::vector<std::string> info_rows(const ZusPerson& p) {
  Page page(198, 18);
  page.text(0, 20, p.surname + " " + p.first_name, 50);
  page.text(1, 20, p.ktu, 6);
  page.text(1, 50, p.id_number, 11);
  double pay[][4] = {{p.perp, 0, p.peru, 0},       {p.pcwp, 0, p.pcwu, 0},       {p.pszp, 0, p.pszu, 0},
                     {p.keup, p.kepp, p.keuu, p.kepu}, {p.krup, p.krpp, p.kruu, p.krpu}, {p.kcup, 0, p.kcuu, 0},
                     {0, p.kwpp, 0, p.kwpu},       {p.kzup, 0, p.kzuu, 0},       {0, p.fppp, 0, p.fppu},
                     {0, p.fgpp, 0, p.fgpu}};
  const int cols[] = {22, 34, 50, 62};
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 4; ++c)
      if (r >= 3 || c % 2 == 0) page.amount(4 + r, cols[c], pay[r][c]);
  page.number(14, 29, p.ilr, 3);
  page.amount(14, 34, p.zar);
  page.number(15, 29, p.ilp, 3);
  page.amount(15, 34, p.zap);
  page.amount(16, 34, p.zaw);
  page.number(16, 72, p.ldp, 3);
  page.number(17, 72, p.ldo, 3);
  return page.rows();
}

std::vector<std::string> rmua_rows(const ZusSet& set, const ZusPerson& p, const ZusPayer& payer) {
  Page page(169, 36);
  page.text(3, 20, payer.short_name, 54);
  page.text(4, 20, payer.nip, 13);
  page.text(5, 20, payer.regon, 14);
  page.text(8, 20, p.surname + " " + p.first_name, 50);
  page.text(9, 20, (p.id_kind == "P" ? "PESEL " : "dokument ") + p.id_number, 30);
  page.text(12, 20, period(set.year, set.header.month), 7);
  page.text(12, 58, p.ktu, 6);
  social_block(page, 16, p, true);
  int row = 27;
  for (const ZusBenefit& b : p.benefits) {
    if (row > 31) break;
    page.text(row, 2, b.code, 3);
    page.text(row, 8, to_shown(b.from), 10);
    page.text(row, 20, to_shown(b.to), 10);
    page.number(row, 31, b.days, 4);
    page.amount(row, 64, b.amount);
    ++row;
  }
  page.text(33, 20, to_shown(set.header.filled), 10);
  return page.rows();
}

std::vector<std::string> rmua_block_rows(const ZusSet& set, const ZusPerson& p) {
  Page page(170, 9);
  page.text(0, 10, p.surname + " " + p.first_name, 31);
  page.text(0, 50, p.id_number, 11);
  page.text(1, 10, period(set.year, set.header.month), 7);
  page.text(1, 50, p.ktu, 6);
  Shares s = shares(p);
  page.amount(3, 36, p.perp + p.peru);
  page.amount(3, 50, p.pcwp + p.pcwu);
  three(page, 4, s.pension_i + s.disability_i, s.pension_p + s.disability_p);
  three(page, 5, s.sickness_i + s.accident_i, s.sickness_p + s.accident_p);
  three(page, 6, s.pension_i + s.disability_i + s.sickness_i + s.accident_i,
        s.pension_p + s.disability_p + s.sickness_p + s.accident_p);
  page.amount(7, 36, p.pszp + p.pszu);
  page.amount(7, 64, health_total(p));
  return page.rows();
}

std::vector<std::string> year_info_rows(const YearPerson& y) {
  Page page(167, 17);
  page.text(0, 20, y.surname + " " + y.first_name, 36);
  page.text(0, 62, y.ktu, 6);
  for (int m = 0; m <= 12; ++m) {
    ZusPerson p = y.months[m];
    p.ktu = y.ktu;  // the month's sums carry no code of their own
    Shares s = shares(p);
    int row = m == 0 ? 15 : 2 + m;
    page.amount(row, 5, p.perp + p.peru);
    page.amount(row, 19, s.pension_i + s.disability_i + s.sickness_i + s.accident_i);
    page.amount(row, 33, s.pension_p + s.disability_p + s.sickness_p + s.accident_p);
    page.amount(row, 47, p.pszp + p.pszu);
    page.amount(row, 61, health_total(p));
  }
  return page.rows();
}

std::vector<std::string> year_rmua_rows(int year, const YearPerson& y, const ZusPayer& payer, const HostDate& today) {
  Page page(168, 21);
  ZusPerson p = y.months[0];
  p.ktu = y.ktu;
  page.text(2, 20, payer.short_name, 54);
  page.text(3, 20, payer.nip, 13);
  page.text(5, 20, y.surname + " " + y.first_name, 50);
  page.text(6, 20, y.id_number, 11);
  page.text(7, 20, y.ktu + "   rok " + std::to_string(year), 20);
  social_block(page, 10, p, false);
  page.text(19, 20, to_shown(today), 10);
  return page.rows();
}

}  // namespace skolvarin::declarations
