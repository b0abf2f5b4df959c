// The choice among the shifts of every group size: the size of the least
// 2*Sigma, the band that meets the interval of every size, the mean.
#include "science/sample/OrbitSample.h"

namespace sample {

SplitChoice searchGroupSplits(const std::vector<double>& shift, const std::vector<double>& twoSigma, int first,
                              int last) {
  SplitChoice choice;
  choice.best = first;
  for (int k = first + 1; k <= last; ++k)
    if (twoSigma.at(k) < twoSigma.at(choice.best)) choice.best = k;

  double high = shift.at(choice.best) + twoSigma.at(choice.best);
  double low = shift.at(choice.best) - twoSigma.at(choice.best);
  int spanStart = first - 1;
  for (int j = first + 1; j <= last; ++j) {
    const double lowEdge = shift.at(j) - twoSigma.at(j), highEdge = shift.at(j) + twoSigma.at(j);
    const bool above = lowEdge > high;
    if (!above && !(highEdge < low)) continue;
    choice.changes.push_back(BandChange{j, high, low, spanStart, above});
    spanStart = j - first;
    if (above)
      high = lowEdge;
    else
      low = highEdge;
  }
  choice.bandHigh = high;
  choice.bandLow = low;

  double shiftSum = 0, sigmaSum = 0;
  for (int k = first; k <= last; ++k) {
    shiftSum += shift.at(k);
    sigmaSum += twoSigma.at(k);
  }
  choice.meanShift = shiftSum / (last - first + 1);
  choice.meanTwoSigma = sigmaSum / (last - first + 1);
  return choice;
}

}  // namespace sample
