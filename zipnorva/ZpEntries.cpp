// The library's three entries and the state that they share between calls.
#include "zipnorva/ZpApi.h"
#include "zipnorva/ZpPacker.h"

#include <exception>

namespace {

struct LibraryState {
    bool initialised = false;
    ZpUserFunctions functions = {};
    bool optionsSet = false;
    ZpSettings settings;
};

LibraryState& State()
{
    static LibraryState state;
    return state;
}

// Flags of features that the library does not offer: a record with any of them set is refused.
int ZpOptions::*const kNotOffered[] = {
    &ZpOptions::useTempDir,    &ZpOptions::suffixes,          &ZpOptions::encrypt,
    &ZpOptions::volumeLabel,   &ZpOptions::excludeDate,       &ZpOptions::includeDate,
    &ZpOptions::lfToCrlf,      &ZpOptions::junkDirNames,      &ZpOptions::grow,
    &ZpOptions::forceDosNames, &ZpOptions::deleteEntries,     &ZpOptions::update,
    &ZpOptions::freshen,       &ZpOptions::junkSelfExtractor, &ZpOptions::latestTime,
    &ZpOptions::comment,       &ZpOptions::offsets,           &ZpOptions::repair,
};

// The zlib level for the record's level byte, or -2 for a byte that names no level.
int ZlibLevel(char level)
{
    if (level == 0)
        return -1;
    return level >= '0' && level <= '9' ? level - '0' : -2;
}

} // namespace

extern "C" int ZpInit(ZpUserFunctions* functions)
{
    if (!functions)
        return 0;
    State().functions = *functions;
    State().initialised = true;
    return 1;
}

extern "C" int ZpSetOptions(ZpOptions* options)
{
    if (!options)
        return 0;
    for (int ZpOptions::*flag : kNotOffered)
        if (options->*flag != 0)
            return 0;
    int level = ZlibLevel(options->level);
    if (level == -2 || options->recurse < 0 || options->recurse > 1)
        return 0;
    ZpSettings settings;
    settings.rootDir = options->rootDir ? options->rootDir : "";
    settings.crlfToLf = options->crlfToLf != 0;
    settings.move = options->move != 0;
    settings.recurse = options->recurse != 0;
    settings.noDirEntries = options->noDirEntries != 0;
    settings.level = level;
    State().settings = settings;
    State().optionsSet = true;
    return 1;
}

extern "C" int ZpArchive(ZpCommand command)
{
    const LibraryState& state = State();
    if (!state.initialised || !state.optionsSet || command.nameCount < 1 || !command.names || !command.archiveName)
        return ZP_ERROR_PARAMETERS;
    try {
        std::vector<std::string> names;
        for (int i = 0; i < command.nameCount; ++i) {
            if (!command.names[i])
                return ZP_ERROR_PARAMETERS;
            names.push_back(command.names[i]);
        }
        return ZpPacker(state.settings, state.functions.print).Pack(command.archiveName, names);
    } catch (const std::exception&) { // nothing may leave a C entry; the temporary file is gone already
        return ZP_ERROR_WRITE;
    }
}
