#include "readers/ZnOldInspFormReader.h"

#include "model/ZnModelAppBuild.h"
#include "platform/files/CFileFind.h"
#include "readers/VhString.h"
#include "readers/ZnOldDataVersion.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(ZnOldInspFormReader, ZnOldFormReader)

int ZnOldInspFormReader::CountFiles(const CString& pattern)
{
    CFileFind finder;
    int count = 0;
    BOOL more = finder.FindFile(pattern);
    while (more) {
        more = finder.FindNextFile();
        if (!finder.IsDirectory() && !finder.IsDots())
            ++count;
    }
    return count;
}

int ZnOldInspFormReader::ReadFormFile(const CString& path, const ZnOldInspForm& form, ZnOldInspForm::Work& work)
{
    if (!OpenDataFile(path))
        return 0;
    CStringArray fields;
    while (ReadRecord(fields))
        form.Apply(work, fields);
    form.HandOverFileLists(work);
    CloseDataFile();
    return 1;
}

ZnModelApp* ZnOldInspFormReader::ReadBuildingForm(const ZnOldInspForm& form)
{
    std::unique_ptr<ZnModelAppInspConf> app(form.create());
    ZnOldInspForm::Work work;
    work.app = app.get();
    if (!ReadFormFile(FormFolder() + "Ksq" + m_buildingNoText + "." + form.extension, form, work))
        return nullptr;
    ZnOldInspForm::HandOverCertificates(work);

    std::unique_ptr<ZnModelApp> conf = ReadConfApp("ZnModelAppBuildConf", CountFiles(FormFolder() + "Ksq*.130"));
    if (conf && conf->IsKindOf(RUNTIME_CLASS(ZnModelAppBuild))) {
        app->SetHeader(conf->m_header);
        // The building part alone: the inspection keeps a plain building application.
        app->m_baseApp.Reset(
            static_cast<ZnModelApp*>(static_cast<ZnModelAppBuild*>(conf.get())->ZnModelAppBuild::Clone()));
    }
    SetBuildingNo(std::atoi(m_buildingNoText));
    SetAppCommon(app.get());
    return app.release();
}

std::unique_ptr<ZnModelAppInspConf> ZnOldInspFormReader::ReadNumberedForms(const ZnOldInspForm& form, int& fileCount)
{
    fileCount = CountFiles(FormFolder() + "Ksq*." + form.extension);
    std::unique_ptr<ZnModelAppInspConf> app;
    ZnOldInspForm::Work work;
    for (int n = 1; n <= fileCount; ++n) {
        app.reset(form.create());
        work.app = app.get();
        work.firstFile = n == 1;
        CString path;
        path.Format("%sKsq%03d.%s", static_cast<LPCTSTR>(FormFolder()), n, form.extension);
        if (!ReadFormFile(path, form, work))
            return nullptr;
    }
    if (!app)
        return nullptr;
    ZnOldInspForm::HandOverCertificates(work);
    ZnModelAppLocalData localData;
    localData.SetNumGroupList(work.numGroups);
    ZnModelAppHeader header;
    header.SetLocalData(localData);
    app->SetHeader(header);
    SetAppKind(app.get());
    return app;
}

std::unique_ptr<ZnModelApp> ZnOldInspFormReader::ReadConfApp(LPCTSTR targetClassName, int buildingCount)
{
    std::unique_ptr<ZnOldFormReader> reader(ZnOldFormReaderTable::CreateReaderOf(*m_confReaders, targetClassName));
    if (!reader)
        return nullptr;
    reader->m_basePath = m_basePath;
    reader->m_formFolder = m_formFolder;
    reader->m_indexPath = m_indexPath;
    reader->m_appTypeCode = m_appTypeCode;
    reader->m_indexColumns[columnBuildings] = IntToString(buildingCount);
    for (int i = 0; i < m_rowNumbers.GetSize(); ++i)
        reader->m_rowNumbers.Add(m_rowNumbers[i]);
    return std::unique_ptr<ZnModelApp>(reader->Read());
}

int ZnOldInspFormReader::IsBuildingVersionOK()
{
    const CString& version = m_indexColumns[columnVersion];
    if (CountFiles(FormFolder() + "Ksq001.120") == 0 || version.IsEmpty())
        return 1;
    return ZnOldDataVersion::IsLatest(version) ? 1 : 0;
}
