#include "tools/usage/ToolCall.h"

#include "tools/usage/ToolUsage.h"

#include <cstdio>

namespace {

// An argument the program cannot use, with what is wrong with it; no failure of the work.
struct WrongCall {
    std::string what;
};

} // namespace

int ToolCall::Run(int argc, char** argv, const char* usage, size_t mostArguments,
                  const std::function<int(const ToolCall&)>& body, std::initializer_list<const char*> knownOptions)
{
    if (int status = CheckToolArguments(argc, argv, usage, knownOptions); status >= 0)
        return status;
    ToolCall call(std::vector<std::string>(argv + 1, argv + argc));
    return RunReportingFailures(argv[0], [&] {
        try {
            if (call.Size() > mostArguments)
                throw WrongCall{"too many arguments"};
            return body(call);
        } catch (const WrongCall& wrong) {
            std::fprintf(stderr, "%s: %s\n", argv[0], wrong.what.c_str());
            return ShowWrongCall(usage);
        }
    });
}

std::string ToolCall::Text(size_t index, const char* fallback) const
{
    if (index < m_arguments.size())
        return m_arguments[index];
    if (!fallback)
        throw WrongCall{"an argument is missing"};
    return fallback;
}

int ToolCall::Number(size_t index, int fallback) const
{
    if (index >= m_arguments.size())
        return fallback;
    const std::string& text = m_arguments[index];
    size_t digits = text.find_first_not_of("0123456789");
    if (text.empty() || digits != std::string::npos || text.size() > 9 || std::stoi(text) == 0)
        throw WrongCall{text + " is no positive whole number"};
    return std::stoi(text);
}

std::string ToolCall::Word(size_t index, const std::vector<std::string>& words, const char* fallback) const
{
    std::string text = Text(index, fallback);
    if (index >= m_arguments.size())
        return text;
    std::string known;
    for (const std::string& word : words) {
        if (text == word)
            return text;
        known += (known.empty() ? "" : "|") + word;
    }
    throw WrongCall{text + " is none of " + known};
}
