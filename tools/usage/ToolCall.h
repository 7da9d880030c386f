// How a tool or a benchmark is called. "--help" and unknown options are answered as ToolUsage.h
// says; the other arguments are read by their place, each as a text (a folder), a count or one of
// the program's words. An argument that the program cannot use, a missing one or one too many ends
// it with a message, its usage and status 2, so the program reads all its arguments before it
// writes anything; a failure while it works ends it with a message and status 1.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class ToolCall {
public:
    // Runs body with the arguments after the program's name, at most mostArguments of them; the
    // program's exit status. knownOptions are the program's own options, read as arguments.
    static int Run(int argc, char** argv, const char* usage, size_t mostArguments,
                   const std::function<int(const ToolCall&)>& body,
                   std::initializer_list<const char*> knownOptions = {});

    size_t Size() const { return m_arguments.size(); }
    // The argument at index as it stands; fallback when there is none (nullptr: it must be given).
    std::string Text(size_t index, const char* fallback) const;
    // The argument at index, a positive whole number; fallback when there is none.
    int Number(size_t index, int fallback) const;
    // The argument at index, one of words; fallback when there is none (nullptr: it must be given).
    std::string Word(size_t index, const std::vector<std::string>& words, const char* fallback) const;

private:
    explicit ToolCall(std::vector<std::string> arguments) : m_arguments(std::move(arguments)) {}

    std::vector<std::string> m_arguments;
};
