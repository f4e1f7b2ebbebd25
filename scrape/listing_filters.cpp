#include "scrape/listing_filters.h"

namespace pelizo {

const std::vector<FilterItem>& typeFilterItems(int category)
{
    static const std::vector<FilterItem> films = {
        {"全部", ""},          {"爱情", "aiqing"},    {"动作", "dongzuo"},  {"喜剧", "xiju"},
        {"战争", "zhanzheng"}, {"科幻", "kehuan"},    {"剧情", "juqing"},   {"武侠", "wuxia"},
        {"冒险", "maoxian"},   {"枪战", "qiangzhan"}, {"恐怖", "kongbu"},   {"悬疑", "xuanyi"},
        {"犯罪", "fanzui"},    {"奇幻", "qihuan"},    {"动画", "donghua"},  {"惊悚", "jingsong"},
        {"经典", "jingdian"},  {"青春", "qingchun"},  {"文艺", "wenyi"},    {"微电影", "weidianying"},
        {"古装", "guzhuang"},  {"历史", "lishi"},     {"运动", "yundong"},  {"农村", "nongcun"},
    };
    static const std::vector<FilterItem> series = {
        {"全部", ""},            {"言情", "yanqing"},  {"偶像", "ouxiang"},  {"都市", "dushi"},
        {"战争", "zhanzheng"},   {"悬疑", "xuanyi"},   {"伦理", "lunli"},    {"惊悚", "jingsong"},
        {"网络剧", "wangluoju"}, {"警匪", "jingfei"},  {"古装", "guzhuang"}, {"武侠", "wuxia"},
        {"神话", "shenhua"},     {"历史", "lishi"},    {"动作", "dongzuo"},  {"谍战", "diezhan"},
        {"喜剧", "xiju"},        {"抗日", "kangri"},   {"家庭", "jiating"},  {"剧情", "juqing"},
        {"励志", "lizhi"},       {"农村", "nongcun"},  {"科幻", "kehuan"},   {"军旅", "junlv"},
    };
    return category == 1 ? films : series;
}

const std::vector<FilterItem>& yearFilterItems(int category)
{
    static const std::vector<FilterItem> films = {
        {"全部", ""},         {"2017", "2017"}, {"2016", "2016"}, {"2015", "2015"},
        {"2014", "2014"},     {"2013", "2013"}, {"2012", "2012"}, {"2011", "2011"},
        {"2010-2000", "20102000"}, {"1969-1800", "19691800"},
    };
    static const std::vector<FilterItem> series = {
        {"全部", ""},         {"2017", "2017"}, {"2016", "2016"}, {"2015", "2015"},
        {"2014", "2014"},     {"2013", "2013"}, {"2012", "2012"}, {"2011", "2011"},
        {"2010-2000", "20102000"}, {"1999-1990", "19991990"}, {"1989-1800", "19891800"},
    };
    return category == 1 ? films : series;
}

} // namespace pelizo
