// Speed of the payroll computations: the pay chain of one record (a list of
// 1000 employees runs it 1000 times per recalculation) and the calculator's
// reverse modes, whose refinement steps the forward breakdown by 0.01.
#include <benchmark/benchmark.h>

#include "payroll/calculator.h"
#include "payroll/pay_chain.h"

namespace {

using namespace skolvarin::payroll;

void BM_PayChainFullRun(benchmark::State& state) {
  ComponentSums sums;
  classify_component({"D11", 'T', 'T', 4321.09}, sums);
  classify_component({"S331", 'T', 'N', 250.00}, sums);
  classify_component({"P331", 'T', 'T', 300.00}, sums);
  EmployeeForPay e;
  e.KTU = "011000";
  const PayrollParameters p;
  const ZusSettings z;
  for (auto _ : state) {
    PayAmounts rec;
    rec.POS = 18;
    rec.ODL = 46.33;
    run_pay_chain(sums, e, p, z, {}, {2017, 5, false}, rec);
    benchmark::DoNotOptimize(rec.WYP);
  }
}
BENCHMARK(BM_PayChainFullRun);

// The same under the law of 2026 (the month's figures looked up on every run).
void BM_PayChainFullRun2026(benchmark::State& state) {
  ComponentSums sums;
  classify_component({"D11", 'T', 'T', 4321.09}, sums);
  EmployeeForPay e;
  e.KTU = "011000";
  e.ppk = true;
  const PayrollParameters p;
  const ZusSettings z;
  for (auto _ : state) {
    PayAmounts rec;
    rec.POS = 12;
    rec.ODL = 300;
    run_pay_chain(sums, e, p, z, {}, {2026, 5, false}, rec);
    benchmark::DoNotOptimize(rec.WYP);
  }
}
BENCHMARK(BM_PayChainFullRun2026);

void BM_CalculatorNetToGross2026(benchmark::State& state) {
  PayrollParameters p;
  ZusSettings z;
  const CalculatorState s = calculator_defaults(CalcKind::Pay, p, z, CalcLawOptions{2026, 5, false, true, true});
  for (auto _ : state) benchmark::DoNotOptimize(calculate(3500.00, CalcMode::Net, s, p, z).b.gross);
}
BENCHMARK(BM_CalculatorNetToGross2026);

void BM_CalculatorForward(benchmark::State& state) {
  const PayrollParameters p;
  const ZusSettings z;
  const CalculatorState s = calculator_defaults(CalcKind::Pay, p);
  for (auto _ : state) benchmark::DoNotOptimize(breakdown(2000.00, s, p, z).net);
}
BENCHMARK(BM_CalculatorForward);

void BM_CalculatorNetToGross(benchmark::State& state) {
  const PayrollParameters p;
  const ZusSettings z;
  const CalculatorState s = calculator_defaults(CalcKind::Pay, p);
  const double net = static_cast<double>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(calculate(net, CalcMode::Net, s, p, z).b.gross);
}
BENCHMARK(BM_CalculatorNetToGross)->Arg(100)->Arg(1459)->Arg(25000);

void BM_CalculatorCostToGross(benchmark::State& state) {
  const PayrollParameters p;
  const ZusSettings z;
  const CalculatorState s = calculator_defaults(CalcKind::Pay, p);
  for (auto _ : state) benchmark::DoNotOptimize(calculate(2412.20, CalcMode::Cost, s, p, z).b.gross);
}
BENCHMARK(BM_CalculatorCostToGross);

}  // namespace
