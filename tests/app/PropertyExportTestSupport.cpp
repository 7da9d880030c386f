#include "tests/app/PropertyExportTestSupport.h"

#include <sstream>

namespace exporttest {

std::string Filled(const std::string& name, const std::vector<std::string>& values)
{
    std::string text = ReadFileBytes(testsupport::DataPath("app/" + name));
    for (size_t i = 0; i < values.size(); ++i)
        text.replace(text.find("{" + std::to_string(i) + "}"), 3, values[i]);
    return text;
}

std::string Crlf(const std::string& text)
{
    std::string written;
    for (char c : text)
        written += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return written;
}

std::vector<std::string> LogLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream log(cp932::ToUtf8(ReadFileBytes(path)));
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t bracket = line.find('[');
        lines.push_back(bracket == std::string::npos ? line : line.substr(bracket));
    }
    return lines;
}

std::string PropertyLine(int index, const std::string& name)
{
    return u8"[INFO ] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() - 物件【" + std::to_string(index) + " - " + name +
           u8"】の情報を出力します--------------------。";
}

std::string SameNameLine(const std::string& property, const std::string& folder)
{
    return u8"[INFO ] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() -      物件【" + property +
           u8"】は同じ名前のフォルダがあるため、フォルダ【" + folder + u8"】に出力します。";
}

std::string DocumentLine(const std::string& folder)
{
    return u8"[INFO ] ZnDlgAppSelectObjDialog.cpp#ExportBukkenXml() -      文書【" + folder +
           u8"】の情報を出力しました。";
}

std::string ErrorLine(const std::string& function, const std::string& message)
{
    return u8"[ERROR] ZnDlgAppSelectObjDialog.cpp#" + function + " - " + message;
}

std::string DocumentError(const std::string& folder)
{
    return ErrorLine("ExportBukkenXml()", u8"     文書【" + folder + u8"】を出力できませんでした。");
}

} // namespace exporttest
