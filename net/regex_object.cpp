#define PCRE2_CODE_UNIT_WIDTH 8
#include "net/regex_object.h"

#include "net/codepage.h"
#include "net/text.h"

#include <atomic>
#include <chrono>
#include <pcre2.h>

namespace pelizo {
namespace {

// One attempt at one start position may take this many engine steps; more
// ends the walk (the engine resets its count at every start position).
constexpr uint32_t kMatchLimitPerAttempt = 2'000'000;
// A walk that tries more start positions than this, or runs longer than the
// deadline, ends with the matches found so far. Real pages stay far below.
std::atomic<unsigned long> gWalkAttemptLimit{20'000'000};
constexpr auto kWalkDeadline = std::chrono::seconds(3);

struct CodeDeleter {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct CompileContextDeleter {
    void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};
struct MatchContextDeleter {
    void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};
struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
struct JitStackDeleter {
    void operator()(pcre2_jit_stack* stack) const { pcre2_jit_stack_free(stack); }
};

// JIT stacks must not be shared between threads: one per thread.
pcre2_jit_stack* threadJitStack()
{
    thread_local std::unique_ptr<pcre2_jit_stack, JitStackDeleter> stack(
        pcre2_jit_stack_create(32 * 1024, 4 * 1024 * 1024, nullptr));
    return stack.get();
}

struct WalkBudget {
    unsigned long attempts = 0;
    unsigned long limit = 0;
    std::chrono::steady_clock::time_point deadline;
};

// Called by the engine at the start of every attempt (the pattern begins
// with a callout).
int countAttempt(pcre2_callout_block*, void* data)
{
    auto* budget = static_cast<WalkBudget*>(data);
    if (++budget->attempts > budget->limit)
        return PCRE2_ERROR_CALLOUT;
    if ((budget->attempts & 0x3FF) == 0 && std::chrono::steady_clock::now() > budget->deadline)
        return PCRE2_ERROR_CALLOUT;
    return 0;
}

size_t nextCharacter(const std::string& utf8, size_t offset)
{
    ++offset;
    while (offset < utf8.size() && (static_cast<unsigned char>(utf8[offset]) & 0xC0) == 0x80)
        ++offset;
    return offset;
}

long characterPosition(const std::string& utf8, size_t byteOffset)
{
    long characters = 0;
    for (size_t i = 0; i < byteOffset && i < utf8.size(); ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80)
            ++characters;
    return characters + 1;
}

} // namespace

struct RegexObject::Engine {
    std::unique_ptr<pcre2_code, CodeDeleter> code;
    std::string pattern; // as given, code page 936
    bool global = true;
    uint32_t groups = 0;
};

struct RegexObject::MatchList {
    std::string subjectUtf8;
    // Per match: (start, end) byte pairs for the whole match and each group.
    std::vector<std::vector<PCRE2_SIZE>> spans;
    uint32_t groups = 0;

    std::string text(size_t match, size_t slot, long* position) const
    {
        const auto& s = spans[match];
        const PCRE2_SIZE start = s[2 * slot];
        const PCRE2_SIZE end = s[2 * slot + 1];
        if (start == PCRE2_UNSET || end < start) {
            if (position)
                *position = 0;
            return {};
        }
        if (position)
            *position = characterPosition(subjectUtf8, start);
        return utf8ToGbk(std::string_view(subjectUtf8).substr(start, end - start));
    }
};

RegexObject::RegexObject() = default;
RegexObject::~RegexObject() = default;
RegexObject::RegexObject(RegexObject&&) noexcept = default;
RegexObject& RegexObject::operator=(RegexObject&&) noexcept = default;

void RegexObject::setWalkAttemptLimit(unsigned long limit) { gWalkAttemptLimit = limit; }

RegexObject RegexObject::copy() const
{
    RegexObject other;
    other.engine_ = engine_;
    other.matches_ = matches_;
    other.subject_ = subject_;
    return other;
}

bool RegexObject::create(const std::string& pattern, const std::string& subject, bool caseSensitive,
                         bool multiline, bool global, bool quoteMarker)
{
    engine_.reset();
    matches_.reset();

    auto engine = std::make_shared<Engine>();
    engine->pattern = quoteMarker ? replaceText(pattern, "#引号", "\"", 1, -1, true) : pattern;
    engine->global = global;

    // The leading callout counts attempts so that a walk can be cut short.
    const std::string wrapped = "(?C1)(?:" + gbkToUtf8(engine->pattern) + ")";
    uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS
        | PCRE2_MATCH_UNSET_BACKREF;
    if (!caseSensitive)
        options |= PCRE2_CASELESS;
    options |= multiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;

    std::unique_ptr<pcre2_compile_context, CompileContextDeleter> compileContext(pcre2_compile_context_create(nullptr));
    pcre2_set_newline(compileContext.get(), PCRE2_NEWLINE_LF);
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    engine->code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(wrapped.data()), wrapped.size(), options,
                                     &errorCode, &errorOffset, compileContext.get()));
    subject_ = subject;
    if (!engine->code)
        return false;
    const bool jit = pcre2_jit_compile(engine->code.get(), PCRE2_JIT_COMPLETE) == 0;
    pcre2_pattern_info(engine->code.get(), PCRE2_INFO_CAPTURECOUNT, &engine->groups);

    auto list = std::make_shared<MatchList>();
    list->subjectUtf8 = gbkToUtf8(subject);
    list->groups = engine->groups;

    std::unique_ptr<pcre2_match_context, MatchContextDeleter> matchContext(pcre2_match_context_create(nullptr));
    WalkBudget budget;
    budget.limit = gWalkAttemptLimit.load();
    budget.deadline = std::chrono::steady_clock::now() + kWalkDeadline;
    pcre2_set_callout(matchContext.get(), countAttempt, &budget);
    pcre2_set_match_limit(matchContext.get(), kMatchLimitPerAttempt);
    if (jit)
        pcre2_jit_stack_assign(matchContext.get(), nullptr, threadJitStack());

    std::unique_ptr<pcre2_match_data, MatchDataDeleter> data(
        pcre2_match_data_create_from_pattern(engine->code.get(), nullptr));
    const auto* subjectBytes = reinterpret_cast<PCRE2_SPTR>(list->subjectUtf8.data());
    const PCRE2_SIZE length = list->subjectUtf8.size();
    PCRE2_SIZE offset = 0;
    while (offset <= length) {
        const int rc = pcre2_match(engine->code.get(), subjectBytes, length, offset, 0, data.get(),
                                   matchContext.get());
        if (rc < 0)
            break; // no further match, or a limit: keep what was found
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
        list->spans.emplace_back(ovector, ovector + 2 * (engine->groups + 1));
        if (!global)
            break;
        const PCRE2_SIZE end = ovector[1];
        // An empty match moves the next search on by one character.
        offset = end > ovector[0] ? end : nextCharacter(list->subjectUtf8, end);
        pumpMessages();
    }
    engine_ = std::move(engine);
    matches_ = std::move(list);
    return true;
}

std::string RegexObject::patternText() const { return engine_ ? engine_->pattern : std::string(); }

int RegexObject::matchCount() const { return matches_ ? static_cast<int>(matches_->spans.size()) : 0; }

std::string RegexObject::matchText(int index, long* position) const
{
    if (index < 1 || index > matchCount())
        return {};
    return matches_->text(static_cast<size_t>(index - 1), 0, position);
}

std::string RegexObject::subMatchText(int index, int group, long* position) const
{
    if (index < 1 || index > matchCount() || group < 1 || static_cast<uint32_t>(group) > matches_->groups)
        return {};
    return matches_->text(static_cast<size_t>(index - 1), static_cast<size_t>(group), position);
}

int RegexObject::subMatchCount() const { return matchCount() > 0 ? static_cast<int>(matches_->groups) : 0; }

std::string RegexObject::replace(const std::string& replacement) const
{
    if (!matches_)
        return subject_;
    const std::string& s = matches_->subjectUtf8;
    const std::string r = gbkToUtf8(replacement);
    const auto groupText = [&](const std::vector<PCRE2_SIZE>& span, size_t g) {
        const PCRE2_SIZE a = span[2 * g];
        const PCRE2_SIZE b = span[2 * g + 1];
        return (a == PCRE2_UNSET || b < a) ? std::string_view() : std::string_view(s).substr(a, b - a);
    };
    std::string out;
    PCRE2_SIZE copied = 0;
    for (const auto& span : matches_->spans) {
        out.append(s, copied, span[0] - copied);
        for (size_t i = 0; i < r.size(); ++i) {
            if (r[i] != '$' || i + 1 == r.size()) {
                out.push_back(r[i]);
                continue;
            }
            const char next = r[i + 1];
            if (next == '$') {
                out.push_back('$');
                ++i;
            } else if (next == '&') {
                out.append(groupText(span, 0));
                ++i;
            } else if (next == '`') {
                out.append(s, 0, span[0]);
                ++i;
            } else if (next == '\'') {
                out.append(s, span[1], std::string::npos);
                ++i;
            } else if (next >= '0' && next <= '9') {
                size_t group = static_cast<size_t>(next - '0');
                size_t used = 1;
                if (i + 2 < r.size() && r[i + 2] >= '0' && r[i + 2] <= '9') {
                    const size_t two = group * 10 + static_cast<size_t>(r[i + 2] - '0');
                    if (two >= 1 && two <= matches_->groups) {
                        group = two;
                        used = 2;
                    }
                }
                if (group >= 1 && group <= matches_->groups) {
                    out.append(groupText(span, group));
                    i += used;
                } else {
                    out.push_back('$');
                }
            } else {
                out.push_back('$');
            }
        }
        copied = span[1];
    }
    out.append(s, copied, std::string::npos);
    return utf8ToGbk(out);
}

} // namespace pelizo
