#include "transport/bill_reports.h"

#include "dictionaries/register_frame.h"
#include "host/api/print_api.h"

namespace skolvarin::transport {

namespace {

constexpr int kSummaryTemplate = 200, kSummaryWidth = 130, kSummaryRows = 61;
constexpr int kFirstColumn = 30, kColumn = 14;
constexpr int kSettlementTemplate = 165, kSettlementWidth = 66, kSettlementRows = 21;

// A page filled from its template by `fill`, as text (rows cut at the
// right, one a line).
template <typename Fill>
std::string page_text(int template_id, int width, int rows, Fill fill) {
  PrintBuffer *work = nullptr, *orig = nullptr;
  if (print_alloc(&work, &orig, width * rows, dictionaries::template_id(template_id), width) != 0) return {};
  fill(work);
  std::string t;
  for (int r = 0; r < print_rows(work); ++r) {
    std::string row = print_row(work, r);
    while (!row.empty() && row.back() == ' ') row.pop_back();
    t += row + "\n";
  }
  print_free(&work, &orig);
  return t;
}

void amount(PrintBuffer* b, int row, int col, double v, int width) { MemPrintDoubleFmt(b, row, col, v, width, 2, 0); }

// One month's (or the year's) three rows: quantity and weight under the
// fuels, the value under every column and the row's total.
void cells(PrintBuffer* b, int row, const std::array<SummaryCell, kFuels + 1>& cells, double total) {
  for (size_t c = 0; c < cells.size(); ++c) {
    const int col = kFirstColumn + kColumn * static_cast<int>(c);
    if (c < kOtherColumn) {
      amount(b, row, col, cells[c].quantity, kColumn);
      amount(b, row + 1, col, cells[c].weight, kColumn);
    }
    amount(b, row + 2, col, cells[c].value, kColumn);
  }
  amount(b, row + 2, kFirstColumn + kColumn * (kFuels + 1), total, kColumn);
}

}  // namespace

std::string summary_text(const YearSummary& s, int year) {
  return page_text(kSummaryTemplate, kSummaryWidth, kSummaryRows, [&](PrintBuffer* b) {
    MemPrintStringFmt(b, 0, 65, std::to_string(year).c_str(), 4, PRINT_LEFT);
    for (size_t m = 0; m < 12; ++m) cells(b, 5 + 3 * static_cast<int>(m), s.months[m], s.month_value[m]);
    cells(b, 42, s.year, s.total);
  });
}

std::string settlement_text(const Settlement& s, int year, const std::string& owner,
                            const std::string& registration) {
  return page_text(kSettlementTemplate, kSettlementWidth, kSettlementRows, [&](PrintBuffer* b) {
    MemPrintStringFmt(b, 0, 20, std::to_string(year).c_str(), 4, PRINT_LEFT);
    MemPrintStringFmt(b, 1, 20, owner.c_str(), 46, PRINT_LEFT);
    MemPrintStringFmt(b, 2, 20, registration.c_str(), 46, PRINT_LEFT);
    auto line = [&](int row, const MonthSettlement& m) {
      amount(b, row, 10, m.bills, 16);
      amount(b, row, 26, m.trips, 16);
      amount(b, row, 42, m.to_book, 16);
    };
    for (size_t m = 0; m < 12; ++m) line(6 + static_cast<int>(m), s.months[m]);
    line(19, s.year);
  });
}

}  // namespace skolvarin::transport
