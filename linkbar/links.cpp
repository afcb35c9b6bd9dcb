#include "links.h"

#include "link_bar.h"

#include <array>
#include <string_view>

namespace parvelo {

namespace {

struct LinkLine
{
    std::string_view label;
    std::string_view target;
};

// Blanks are part of the data: they pad the labels and lead some targets.
constexpr std::array<LinkLine, 8> links = {{
    {"官方主页", "http://www.tolvenar.example/"},
    {"下载新版本", "http://www.tolvenar.example/download/parvelo.htm "},
    {"论坛反馈", "http://bbs.tolvenar.example/thread-2010-1-1.html"},
    {"淘宝旺旺咨询", "http://im.shop.example/msg.aw?v=2&uid=tolvenar&site=shop&s=1"},
    {"QQ客服在线  ", " tencent://message/?uin=800012345&Site=tolvenar.example&Menu=yes"},
    {"QQ技术支持  ", " tencent://message/?uin=800067890&Site=tolvenar.example&Menu=yes"},
    {"性价比第一的控制卡 ", " http://item.market.example/item.htm?id=52010529"},
    {"常用控制卡软件下载 ", "http://www.tolvenar.example/software/"},
}};

} // namespace

std::string shipped_link_list()
{
    std::string list;
    for (const LinkLine &link : links)
        list.append(link.label).append(link_separator).append(link.target).append(line_separator);
    return list;
}

} // namespace parvelo
