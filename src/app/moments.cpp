#include "app/moments.h"

const MomentRow& rowOf(MomentKind kind) { return MomentRows[static_cast<int>(kind)]; }

std::string toldOf(const Moment& moment) {
  std::string told = rowOf(moment.kind).told;
  if (!moment.detail.empty()) told += ": " + moment.detail;
  return told;
}
