// The default request header lines, written out independently of the code
// under test, without their line breaks.
#pragma once

#include "runtime/types.h"

namespace qinglan::net::testing {

inline const Text kUserAgentLine = "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)";
inline const Text kAcceptLine = "Accept: text/html, application/xhtml+xml, */*";
inline const Text kEncodingLine = "Accept-Encoding: gbk, GB2312";
inline const Text kLanguageLine = "Accept-Language: zh-cn";
inline const Text kFormLine = "Content-Type: application/x-www-form-urlencoded";
inline const Text kNoCacheLine = "Cache-Control: no-cache";

}  // namespace qinglan::net::testing
