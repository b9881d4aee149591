#include "history/render/ReportFile.h"

#include "history/Drift.h"
#include "history/HistoryTexts.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "platform/render/PdfPage.h"

namespace korvane::history {
namespace {

// What vouches for the events from first on: the chain from them to the head, and the
// head this program remembers.
bool CheckChain(HistoryStore& store, const ReportRequest& request, std::int64_t first, ReportChain* chain,
                std::optional<Rollback>* rollback, std::string* error) {
  Verification v;
  if (first > 0 ? !store.VerifyFrom(first, &v, error) : !store.ReadHead(&v.head, error)) return false;
  std::optional<Rollback> lost;
  if (request.witness && !CheckWitness(store, *request.witness, &lost, error)) return false;
  if (lost) v.rollbacks.push_back(*lost);
  chain->head = v.head;
  chain->problem = ChainProblem(v, request.input.language);
  if (rollback) *rollback = lost;
  // A head that verified is the one this program saw last.
  if (request.witness && v.intact()) {
    std::string ignored;
    request.witness->Remember(WitnessKey(store.location()), {v.head, request.input.nowMs, request.input.program},
                              &ignored);
  }
  return true;
}

}  // namespace

bool WriteReportFile(const std::string& path, HistoryStore* store, const ReportRequest& request, std::string* error,
                     int* modules, std::optional<Rollback>* rollback) {
  const Language l = request.input.language;
  if (rollback) rollback->reset();
  if (std::string problem = platform::WriteTargetProblem(path, l); !problem.empty()) {
    *error = path + ": " + problem;
    return false;
  }
  ReportInput input = request.input;
  EventFilter filter;
  filter.identity = request.identity;
  filter.sinceMs = input.sinceMs;
  filter.untilMs = input.untilMs;
  std::string why;
  // The events go into the visits one by one: a report of a long span holds what it
  // prints, not every event.
  VisitCollector collector(input);
  ReportChain& chain = input.chain;
  if (store && !store->ForEach(
                   filter,
                   [&](const Event& e) {
                     if (chain.firstSeq == 0) chain.firstSeq = e.seq;
                     chain.lastSeq = e.seq;
                     collector.Add(e);
                     return true;
                   },
                   &why)) {
    *error = why;
    return false;
  }
  if (store && !CheckChain(*store, request, chain.firstSeq, &chain, rollback, &why)) {
    *error = why;
    return false;
  }
  if (!store && request.witness && request.location) {
    if (const std::optional<SeenHead> seen = request.witness->Remembered(WitnessKey(*request.location))) {
      Verification v;
      v.rollbacks.push_back({*seen, std::nullopt, request.witness->Where()});
      chain.problem = ChainProblem(v, l);
      if (rollback) *rollback = v.rollbacks.front();
    }
  }
  const auto trendOf = [&](const std::string& identity) {
    // The heading looks a year back: what lies before it costs time and says nothing.
    std::string ignored;
    return HeadingFor(store->Calibrations(identity, input.nowMs - kTrendWindowMs, &ignored), input.nowMs, l);
  };
  const std::vector<ModuleVisit> visits = collector.Finish(trendOf);
  if (modules) *modules = static_cast<int>(visits.size());
  platform::PdfPage page(path, Tr(l, kReportTitle), l);
  if (!LayoutReport(page, input, visits)) {
    *error = page.failure();
    return false;
  }
  return true;
}

}  // namespace korvane::history
