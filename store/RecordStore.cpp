#include "store/RecordStore.h"

#include "store/StoreText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringEncoder>

#include <algorithm>

using models::composeRecord;
using models::GroupListing;
using models::kOtherGroup;
using models::kRecordExtension;
using models::nameProblem;
using models::parseRecord;
using models::StoredRecord;

namespace store {
namespace {

constexpr const char* kFileEncoding = "GB18030";

const std::string kNoDataDirectory = "无法创建数据目录，记录不能保存";
const std::string kBadName = "该名称不能用作文件名：";
const std::string kSaveFailed = "数据保存失败，原记录未改动";
const std::string kImportFailed = "文件导入失败!";
const std::string kExportFailed = "文件导出失败!";
const std::string kDeleteFailed = "记录删除失败!";
const std::string kCreateFailed = "新建组失败!";
// A folder that cannot be renamed: the error number and description of a path or file access error.
const std::string kRenameFailed = "75   路径/文件访问错误";

// Creates the folder and its group 其他 when missing; true when both are folders and the data folder is writable.
bool prepared(const QString& dataPath)
{
    const QString other = dataPath + QLatin1Char('/') + toQt(kOtherGroup);
    QDir().mkpath(other);
    const QFileInfo data(dataPath);
    return data.isDir() && data.isWritable() && QFileInfo(other).isDir();
}

// Replaces the file in one step: a reader sees the old bytes or the new ones, never a part, even if the process
// dies while writing. On failure the old file stays.
bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The whole file, or nothing when it is missing, unreadable or larger than a record can be.
std::optional<QByteArray> readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxRecordBytes + 1);
    if (bytes.size() > kMaxRecordBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// A path this store may replace or create: absent, or a plain file (a link would carry the write elsewhere).
bool isPlainFileSlot(const QString& path)
{
    const QFileInfo info(path);
    return !info.isSymLink() && (!info.exists() || info.isFile());
}

bool isControl(unsigned char b)
{
    // Tab, line feed, vertical tab, form feed, carriage return and the old end-of-file mark occur in text files.
    constexpr std::string_view kTextControls = "\t\n\v\f\r\x1A";
    return (b < 0x20 && kTextControls.find(static_cast<char>(b)) == std::string_view::npos) || b == 0x7F;
}

} // namespace

QByteArray encodeFileText(std::string_view utf8)
{
    QStringEncoder encoder(kFileEncoding);
    if (!encoder.isValid()) // a Qt without the legacy codecs: UTF-8 still reads back
        return QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return encoder.encode(toQt(utf8));
}

models::DecodedText decodeFileText(const QByteArray& bytes)
{
    return models::decodeStoredText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool looksLikeText(const QByteArray& bytes)
{
    if (std::any_of(bytes.begin(), bytes.end(), [](char c) { return isControl(static_cast<unsigned char>(c)); }))
        return false;
    return decodeFileText(bytes).replaced == 0;
}

RecordStore::RecordStore(std::string programFolder, std::string perUserFolder)
    : m_programFolder(std::move(programFolder)), m_perUserFolder(std::move(perUserFolder))
{
}

std::string RecordStore::dataPathBeside(std::string_view programFolder)
{
    return fromQt(QDir::cleanPath(QDir(toQt(programFolder)).absoluteFilePath(QStringLiteral("data"))));
}

std::optional<std::string> RecordStore::GetDataPath()
{
    if (m_location != DataLocation::NotChosen)
        return prepared(m_dataPath) ? std::optional(fromQt(m_dataPath)) : std::nullopt;
    if (QFileInfo(toQt(m_programFolder)).isDir()) {
        const QString beside = toQt(dataPathBeside(m_programFolder));
        if (prepared(beside)) {
            m_location = DataLocation::BesideProgram;
            m_dataPath = beside;
            return fromQt(m_dataPath);
        }
    }
    const QString perUser = m_perUserFolder.empty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                                    : toQt(m_perUserFolder);
    if (perUser.isEmpty())
        return std::nullopt;
    const QString path = QDir::cleanPath(QDir(perUser).absoluteFilePath(QStringLiteral("data")));
    if (!prepared(path))
        return std::nullopt;
    m_location = DataLocation::PerUser;
    m_dataPath = path;
    return fromQt(m_dataPath);
}

std::vector<GroupListing> RecordStore::listGroups()
{
    std::vector<GroupListing> groups;
    if (!GetDataPath())
        return groups;
    const QDir data(m_dataPath);
    const QStringList recordPattern{QStringLiteral("*") + toQt(kRecordExtension)};
    for (const QString& folder : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name)) {
        GroupListing group{fromQt(folder), {}};
        if (nameProblem(group.name))
            continue;
        const QDir dir(data.filePath(folder));
        const auto files =
            dir.entryList(recordPattern, QDir::Files | QDir::NoSymLinks | QDir::CaseSensitive, QDir::Name);
        group.records.reserve(static_cast<std::size_t>(files.size()));
        for (const QString& file : files) {
            std::string name = fromQt(file.chopped(static_cast<qsizetype>(kRecordExtension.size())));
            if (!nameProblem(name, kRecordExtension))
                group.records.push_back(std::move(name));
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

std::optional<QString> RecordStore::groupFolder(const std::string& group)
{
    // A valid name holds no separator and is no dot name, so the path stays directly inside the data directory.
    if (nameProblem(group) || !GetDataPath())
        return std::nullopt;
    const QString path = m_dataPath + QLatin1Char('/') + toQt(group);
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return std::nullopt;
    return path;
}

std::optional<QString> RecordStore::recordFile(const std::string& group, const std::string& name)
{
    const auto folder = groupFolder(group);
    if (!folder || nameProblem(name, kRecordExtension))
        return std::nullopt;
    const QString path = *folder + QLatin1Char('/') + toQt(name) + toQt(kRecordExtension);
    if (!isPlainFileSlot(path))
        return std::nullopt;
    return path;
}

StoreError RecordStore::saveRecord(const std::string& group, const std::string& name, std::string_view chart,
                                   std::string_view remark)
{
    if (!GetDataPath())
        return kNoDataDirectory;
    if (const auto problem = nameProblem(name, kRecordExtension))
        return kBadName + *problem;
    const auto folder = groupFolder(group);
    if (!folder || !QDir().mkpath(*folder)) // a group folder removed behind the tree's back comes back
        return kSaveFailed;
    const auto path = recordFile(group, name);
    if (!path || !writeWhole(*path, encodeFileText(composeRecord(chart, remark))))
        return kSaveFailed;
    return std::nullopt;
}

std::optional<StoredRecord> RecordStore::readRecord(const std::string& group, const std::string& name)
{
    const auto path = recordFile(group, name);
    if (!path)
        return std::nullopt;
    const auto bytes = readWhole(*path);
    if (!bytes)
        return std::nullopt;
    const models::DecodedText decoded = decodeFileText(*bytes);
    auto record = parseRecord(decoded.text);
    if (record)
        record->replaced = decoded.replaced;
    return record;
}

bool RecordStore::recordExists(const std::string& group, const std::string& name)
{
    const auto path = recordFile(group, name);
    return path && QFileInfo::exists(*path);
}

StoreError RecordStore::exportRecord(const std::string& group, const std::string& name, const std::string& target)
{
    const auto path = recordFile(group, name);
    const auto bytes = path ? readWhole(*path) : std::nullopt;
    if (!bytes || target.empty() || !writeWhole(toQt(target), *bytes))
        return kExportFailed;
    return std::nullopt;
}

StoreError RecordStore::importFile(const std::string& group, const std::string& source)
{
    const auto slash = source.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? source : source.substr(slash + 1);
    const auto folder = groupFolder(group);
    if (nameProblem(base) || !folder || !QFileInfo(*folder).isDir() || !QFileInfo(toQt(source)).isFile())
        return kImportFailed;
    const auto bytes = readWhole(toQt(source));
    const QString target = *folder + QLatin1Char('/') + toQt(base);
    if (!bytes || !looksLikeText(*bytes) || !isPlainFileSlot(target) || !writeWhole(target, *bytes))
        return kImportFailed;
    return std::nullopt;
}

StoreError RecordStore::deleteRecord(const std::string& group, const std::string& name)
{
    const auto path = recordFile(group, name);
    if (!path)
        return kDeleteFailed;
    if (!QFileInfo::exists(*path)) // already gone: the tree only catches up
        return std::nullopt;
    return QFile::remove(*path) ? std::nullopt : std::optional(kDeleteFailed);
}

GroupDeletion RecordStore::deleteGroup(const std::string& group)
{
    if (group == kOtherGroup)
        return GroupDeletion::Protected;
    const auto folder = groupFolder(group);
    if (!folder)
        return GroupDeletion::Failed;
    QDir dir(*folder);
    if (!dir.exists())
        return GroupDeletion::Deleted;
    constexpr auto kAllFiles = QDir::Files | QDir::Hidden | QDir::System;
    if (!dir.entryList({QStringLiteral("*") + toQt(kRecordExtension)}, kAllFiles | QDir::CaseSensitive).isEmpty())
        return GroupDeletion::HasRecords;
    // Files only: a link is removed, never followed, and a subfolder keeps the group (rmdir fails).
    for (const QString& file : dir.entryList(kAllFiles))
        dir.remove(file);
    QDir(m_dataPath).rmdir(toQt(group));
    return QFileInfo::exists(*folder) ? GroupDeletion::Failed : GroupDeletion::Deleted;
}

bool RecordStore::groupExists(const std::string& group)
{
    const auto folder = groupFolder(group);
    const QFileInfo info(folder.value_or(QString()));
    return folder && (info.exists() || info.isSymLink());
}

StoreError RecordStore::createGroup(const std::string& group)
{
    if (const auto problem = nameProblem(group))
        return kBadName + *problem;
    const auto folder = groupFolder(group);
    if (!folder || !QDir().mkpath(*folder))
        return kCreateFailed;
    return std::nullopt;
}

StoreError RecordStore::renameGroup(const std::string& from, const std::string& to)
{
    if (const auto problem = nameProblem(to))
        return kBadName + *problem;
    const auto source = groupFolder(from);
    const auto target = groupFolder(to);
    if (from == kOtherGroup || !source || !target || !QFileInfo(*source).isDir())
        return kRenameFailed;
    const QFileInfo taken(*target);
    if (taken.exists() || taken.isSymLink() || !QDir(m_dataPath).rename(toQt(from), toQt(to)))
        return kRenameFailed;
    return std::nullopt;
}

} // namespace store
