// The three service addresses: the build's base URLs and the fixed paths.
#pragma once

#include "build_config.h"
#include "runtime/types.h"

namespace qinglan::lottery {

inline Text TrendPageUrl() { return Text(build::kTrendBaseUrl) + "/cqssc/jiben-5xing.html?periodNumber=30"; }
inline Text LotteryInfoUrl() { return Text(build::kLotteryInfoBaseUrl) + "/api/lotteryinfo/cqssc?"; }
inline Text PlanServiceUrl() { return Text(build::kPlanBaseUrl) + "/int.ashx"; }
inline constexpr unsigned kPollIntervalMs = build::kPollIntervalMs;

}  // namespace qinglan::lottery
