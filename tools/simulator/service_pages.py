"""The bodies the three services answer with, built from the draw history."""

import datetime
import json
import random
import urllib.parse

from lottery_draws import next_period

# The names the plan service knows its eleven authors by (id=i0 .. id=i10).
# They differ from the captions of the program's planner buttons, which
# replace them when a plan is shown.
AUTHORS = ("老周", "金鳞", "白鹭", "铁笔", "孤鸿", "墨竹", "青松", "赤兔", "飞燕", "玄武", "天机")

# Row 10 of the page (index 9) is written with upper-case tags.
UPPER_CASE_ROW = 9
_POSITIONS = ("万位", "千位", "百位", "十位", "个位")


def server_time():
    return datetime.datetime.now().strftime("%Y-%m-%d %H:%M:%S")


def decoy_period(latest_period):
    """The period written in the page's "last draw" box, an element that the
    row pattern must not match (no space before its closing tag)."""
    return "20" + latest_period


def trend_page(draws, decoys=True):
    """The trend page (GBK bytes) listing `draws` oldest first."""
    latest_period, latest_draw = draws[-1]
    lines = [
        '<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN"'
        ' "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd">',
        '<html xmlns="http://www.w3.org/1999/xhtml">',
        "<head>",
        '<meta http-equiv="Content-Type" content="text/html; charset=gb2312" />',
        "<title>重庆时时彩基本走势图(五星)_近30期</title>",
        '<link rel="stylesheet" type="text/css" href="/css/trend.css" />',
        '<script type="text/javascript" src="/js/trend.js"></script>',
        "</head>",
        "<body>",
        '<div class="top_nav"><a href="/">首页</a> | <a href="/cqssc/">重庆时时彩</a>'
        ' | <span class="cur">基本走势</span></div>',
    ]
    if decoys:
        lines.append('<div class="kj_box">第<b>%s</b>期开奖：<span class="c_ba2636" kjhm="%s">%s</span></div>'
                     % (decoy_period(latest_period), decoy_period(latest_period), latest_draw))
    lines += [
        '<div class="select_box">期数：<a href="?periodNumber=30" class="on">近30期</a>'
        ' <a href="?periodNumber=50">近50期</a> <a href="?periodNumber=100">近100期</a></div>',
        '<table id="chartsTable" width="100%" cellpadding="0" cellspacing="0" border="0">',
        "<tr class=\"th\"><td>期号</td><td>开奖号码</td>"
        + "".join("<td>%s</td>" % p for p in _POSITIONS) + "<td>和值</td><td>跨度</td></tr>",
    ]
    for index, (period, draw) in enumerate(draws):
        lines += _trend_row(period, draw, decoys and index == UPPER_CASE_ROW)
    lines += [
        "</table>",
        '<div class="foot"><span class="note">注：走势图仅供参考，以官方开奖为准。</span></div>',
        "</body>",
        "</html>",
    ]
    return "\r\n".join(lines).encode("gbk")


def _trend_row(period, draw, upper_case):
    tag = "SPAN" if upper_case else "span"
    digits = [int(c) for c in draw if c.isdigit()]
    cells = "".join('<td class="wei"><span class="ball_%d">%d</span></td>' % (i, d)
                    for i, d in enumerate(digits))
    spread = max(digits) - min(digits) if digits else 0
    return [
        '<tr class="tr_%s">' % ("odd" if upper_case else "even"),
        '<td class="qh">%s</td>' % period,
        '<td class="kjhm"><%s class="c_ba2636" kjhm="%s">%s </%s></td>' % (tag, period, draw, tag),
        cells + "<td>%d</td><td>%d</td>" % (sum(digits), spread),
        "</tr>",
    ]


def lottery_info(latest, now=None):
    """The lottery-information answer (UTF-8 JSON bytes) for the latest draw."""
    period, draw = latest
    now = now or datetime.datetime.now()
    upcoming = next_period(period)
    members = {
        "Code": 0,
        "Message": "success",
        "LotteryCode": "cqssc",
        "LotteryName": "重庆时时彩",
        "CurrentPeriod": "20" + period,
        "CurrentLottery": draw,
        "NextPeriod": "20" + upcoming,
        "NextOpenTime": (now + datetime.timedelta(minutes=20)).strftime("%Y-%m-%d %H:%M:%S"),
        "ServerTime": now.strftime("%Y-%m-%d %H:%M:%S"),
        "CountDown": 1200 - now.minute % 20 * 60 - now.second,
    }
    return json.dumps(members, ensure_ascii=False, separators=(",", ":")).encode("utf-8")


def plan_text(author, number, draws, seed):
    """Planner `number`'s plan after the last of `draws`, lines joined by "<br />"."""
    position = number % 5
    size = 5 + number % 3
    lines = ["【%s】重庆时时彩 %s%d码 三期计划" % (author, _POSITIONS[position], size)]
    recent = draws[-9:]
    for start in range(0, len(recent), 3):
        window = recent[start:start + 3]
        codes = _plan_codes(seed, author, window[0][0], size)
        lines.append("%s期 %s %s %s" % (_window_label([p for p, _ in window]),
                                        _POSITIONS[position], codes, _outcome(window, position, codes)))
    upcoming = [next_period(draws[-1][0])]
    while len(upcoming) < 3:
        upcoming.append(next_period(upcoming[-1]))
    codes = _plan_codes(seed, author, upcoming[0], size)
    lines.append("%s期 %s %s 等开" % (_window_label(upcoming), _POSITIONS[position], codes))
    lines.append("%s提示：本计划仅供参考，请理性购彩。" % author)
    lines.append("%s计划 每期更新" % author)
    return "<br />".join(lines)


def _plan_codes(seed, author, period, size):
    rng = random.Random("%s:%s:%s" % (seed, author, period))
    return "".join(str(d) for d in sorted(rng.sample(range(10), size)))


def _window_label(periods):
    if len(periods) == 1:
        return periods[0]
    return "%s~%s" % (periods[0], periods[-1].rsplit("-", 1)[-1])


def _outcome(window, position, codes):
    for period, draw in window:
        if len(draw) > position and draw[position] in codes:
            return "%s期中" % period.rsplit("-", 1)[-1]
    return "挂"


def plan_answer(plan):
    """The plan service's answer (ASCII bytes): the plan percent-encoded as UTF-8."""
    encoded = urllib.parse.quote(plan.encode("utf-8"), safe="")
    return ('{"values":"%s","time":"%s"}' % (encoded, server_time())).encode("ascii")
