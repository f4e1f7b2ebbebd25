#include "demo/catalogue.h"

#include "scrape/listing_filters.h"

namespace pelizo::demo {
namespace {

constexpr int kFilmCount = 150;
constexpr int kSeriesCount = 100;

const char* const kTitleHeads[] = {"长安", "江湖", "星河", "云端", "北方", "南国", "风起", "月下", "少年", "盛世",
                                   "边城", "山海", "雪域", "烟雨", "锦绣", "天涯", "故园", "长夜", "晨曦", "暗流"};
const char* const kTitleTails[] = {"往事", "传奇", "之恋", "密码", "归途", "风云", "少年", "秘档",
                                   "十二时辰", "行动", "之约", "迷局", "岁月", "征途", "日记", "来信"};
const char* const kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "赵", "黄", "周", "吴", "徐", "孙", "胡", "朱", "高", "林"};
const char* const kGivenNames[] = {"子墨", "雨桐", "浩然", "思远", "若曦", "明轩", "嘉怡", "一凡", "晓峰", "婉清", "志强", "梦瑶"};
const char* const kRegions[] = {"中国大陆", "中国香港", "中国台湾", "美国", "韩国", "日本", "英国", "法国"};
const char* const kSynopsisOpenings[] = {"一段跨越十年的约定，", "小城里的平凡日子被一封旧信打破，", "风雨飘摇的年代，",
                                         "一支临时拼凑的小队", "繁华都市的霓虹之下，", "古道边的客栈里，"};
const char* const kSynopsisEndings[] = {"几个年轻人在命运的岔路口作出了各自的选择。", "一场关于勇气与守护的故事由此展开。",
                                        "真相在层层迷雾中渐渐浮出水面。", "他们终于明白，家才是最远的远方。",
                                        "笑声与泪水交织成一曲动人的歌。"};

const int kFilmYears[] = {2017, 2016, 2015, 2014, 2013, 2012, 2011, 2008, 2005, 2002, 1995, 1988, 1965, 1958};
const int kSeriesYears[] = {2017, 2016, 2015, 2014, 2013, 2012, 2011, 2009, 2006, 2001, 1997, 1993, 1986, 1982};

std::string personName(int seed)
{
    return std::string(kSurnames[seed % 16]) + kGivenNames[(seed / 16 + seed * 5) % 12];
}

// Every title gets a distinct head and tail pair: 37 is prime to 20 * 16.
std::string titleName(int ordinal)
{
    const int k = (ordinal * 37) % 320;
    return std::string(kTitleHeads[k / 16]) + kTitleTails[k % 16];
}

Title makeTitle(int ordinal, bool isSeries)
{
    Title t;
    t.series = isSeries;
    const int i = isSeries ? ordinal - kFilmCount : ordinal;
    t.id = (isSeries ? 2001 : 1001) + i;
    t.name = titleName(ordinal);
    t.typeIndex = isSeries ? (i * 5) % 23 + 1 : i % 23 + 1;
    t.year = isSeries ? kSeriesYears[i % 14] : kFilmYears[i % 14];
    // People, scores and synopses follow the ordinal over both categories.
    const int o = ordinal;
    t.region = kRegions[(o * 3) % 8];
    t.director = personName(o * 7 + 3);
    const int castSize = 3 + o % 3;
    for (int c = 0; c < castSize; ++c)
        t.cast.push_back(personName(o * 11 + c * 5 + 1));
    t.score = std::to_string(5 + (o * 7) % 5) + "." + std::to_string((o * 3) % 10);
    t.synopsis = std::string(kSynopsisOpenings[o % 6]) + kSynopsisEndings[(o / 2) % 5];
    if (isSeries) {
        // 1 to 80 episodes; every tenth series is still airing.
        t.episodes = i % 20 == 7 ? 1 : (i * 13) % 80 + 1;
        t.finished = i % 10 != 4;
        const int platformCount = 1 + i % 3;
        for (int p = 0; p < platformCount; ++p)
            t.platforms.push_back((i + p) % 3);
    } else {
        t.minutes = 85 + (i * 7) % 60;
        const int platformCount = 1 + (i + 1) % 3;
        for (int p = 0; p < platformCount; ++p)
            t.platforms.push_back((i + p) % 3);
    }
    return t;
}

} // namespace

const std::vector<Platform>& platforms()
{
    static const std::vector<Platform> list = {
        {"jia", "甲视频", true},
        {"yi", "乙视频", true},
        {"bing", "丙视频", false},
    };
    return list;
}

const std::vector<Title>& films()
{
    static const std::vector<Title> list = [] {
        std::vector<Title> v;
        for (int i = 0; i < kFilmCount; ++i)
            v.push_back(makeTitle(i, false));
        return v;
    }();
    return list;
}

const std::vector<Title>& series()
{
    static const std::vector<Title> list = [] {
        std::vector<Title> v;
        for (int i = kFilmCount; i < kFilmCount + kSeriesCount; ++i)
            v.push_back(makeTitle(i, true));
        return v;
    }();
    return list;
}

const Title* findTitle(int id)
{
    for (const auto* list : {&films(), &series()})
        for (const auto& t : *list)
            if (t.id == id)
                return &t;
    return nullptr;
}

std::string yearCode(bool isSeries, int year)
{
    if (year >= 2011 && year <= 2017)
        return std::to_string(year);
    if (year >= 2000 && year <= 2010)
        return "20102000";
    if (isSeries && year >= 1990 && year <= 1999)
        return "19991990";
    if (isSeries && year >= 1800 && year <= 1989)
        return "19891800";
    if (!isSeries && year >= 1800 && year <= 1969)
        return "19691800";
    return {};
}

bool filterTitles(bool isSeries, const std::string& typeCode, const std::string& yearCodeWanted,
                  std::vector<const Title*>& out)
{
    out.clear();
    int typeIndex = 0;
    if (!typeCode.empty()) {
        const auto& table = typeFilterItems(isSeries ? 2 : 1);
        for (size_t i = 1; i < table.size(); ++i)
            if (typeCode == table[i].code)
                typeIndex = static_cast<int>(i);
        if (typeIndex == 0)
            return false;
    }
    for (const auto& t : isSeries ? series() : films()) {
        if (typeIndex != 0 && t.typeIndex != typeIndex)
            continue;
        if (!yearCodeWanted.empty() && yearCode(isSeries, t.year) != yearCodeWanted)
            continue;
        out.push_back(&t);
    }
    return true;
}

} // namespace pelizo::demo
