// The search over group splits: the shift S(L) and its band S(L) +/- D(L)
// of every group size drawn against the size, and the result chosen by the
// criterion of "критерий при переборе": the size of the least 2*Sigma
// ("min"), the band that meets the interval of every size ("maxmin"), or
// the mean over all sizes ("sr").
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "statistics/Form6.h"
#include "statistics/Form6Texts.h"
#include "statistics/ScrolledPicture.h"

namespace {

// A result line: its lead, then the shift and the half width of its band in
// full.
std::string resultLine(const std::string& lead, double shift, double twoSigma) {
  return lead + "dAlfaP100M = " + Str(shift) + "   dAlfaP100S = " + Str(twoSigma);
}

}  // namespace

// SearchGroupSplits: sizes L0..Lmax of the last fit; a size k stands at
// x = (k - L0 + 1) / MX2 + 1, a shift v at y = (v - level) / MdP + 5, the
// level being the best shift of this search (or, with "с наложением", of
// the search before).
void Form6::SearchGroupSplits() {
  const int first = firstGroupSize_, last = lastGroupSize_;
  const std::vector<double>& S = ShiftByGroupSize;
  const std::vector<double>& D = TwoSigmaByGroupSize;
  const sample::SplitChoice choice = sample::searchGroupSplits(S, D, first, last);
  const int best = choice.best;
  const bool printLines = Check9.Value() == 1;
  if (Option12.Value()) {
    Text24.setText(form6text::sixDecimals(S.at(best)));
    Text27.setText(form6text::sixDecimals(D.at(best)));
  }
  if (printLines)
    scrolled::printAt(Picture1, 3, 2, resultLine("минимальное при NCP0 = " + Str(best) + "   ", S.at(best), D.at(best)));
  if (Check3.Value() != 1) searchReferenceLevel_ = S.at(best);

  const double perSize = groupSizeScale_;
  auto x = [&](double k) { return (k - first + 1) / perSize + 1; };
  auto y = [&](double v) { return (v - searchReferenceLevel_) / MdP + 5; };
  for (int j = first + 1; j <= last; ++j) {
    Picture1.Line(x(j - 1), y(S.at(j - 1) - D.at(j - 1)), x(j), y(S.at(j) - D.at(j)), RGB(0, 255, 0));
    Picture1.Line(x(j - 1), y(S.at(j - 1)), x(j), y(S.at(j)), RGB(0, 0, 255));
    Picture1.Line(x(j - 1), y(S.at(j - 1) + D.at(j - 1)), x(j), y(S.at(j) + D.at(j)), RGB(255, 0, 0));
  }
  for (const sample::BandChange& change : choice.changes) {
    const double from = change.spanStart / perSize + 1, to = (change.size - first) / perSize + 1;
    for (double edge : {change.high, change.low}) Picture1.Line(from, y(edge), to, y(edge), RGB(1, 0, 0));
    scrolled::printAt(Picture1, change.size / perSize + 0.5, change.above ? 12 : 11,
                      static_cast<double>(change.size));
  }
  for (double edge : {choice.bandHigh, choice.bandLow})
    Picture1.Line((first - 1) / perSize + 1, y(edge), last / perSize + 1, y(edge), RGB(0, 0, 0));

  const double middle = (choice.bandHigh + choice.bandLow) / 2, halfWidth = (choice.bandHigh - choice.bandLow) / 2;
  if (Option15.Value()) {
    Text24.setText(form6text::sixDecimals(middle));
    Text27.setText(form6text::sixDecimals(halfWidth));
  }
  if (printLines) scrolled::printAt(Picture1, 6.9, 2.5, resultLine("максимин    ", middle, halfWidth));
  if (Option16.Value()) {
    Text24.setText(form6text::sixDecimals(choice.meanShift));
    Text27.setText(form6text::sixDecimals(choice.meanTwoSigma));
  }
  if (printLines)
    scrolled::printAt(Picture1, 6.9, 3, resultLine("средние       ", choice.meanShift, choice.meanTwoSigma));
}
