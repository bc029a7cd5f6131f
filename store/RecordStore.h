#pragma once

#include "models/records/NameGuard.h"
#include "models/records/RecordFile.h"
#include "models/records/RecordTree.h"
#include "models/records/TextCodec.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The data directory of person records: a folder per group, a ".txt" file per person. Names and texts cross this
// interface as UTF-8; the files are GB18030 with CR LF. Every operation re-checks its names and refuses a path that
// would leave the data directory, whatever the tree or an imported file name holds.
namespace store {

// Nothing on success; otherwise the message the window shows.
using StoreError = std::optional<std::string>;

// Records and imported files larger than this are not text records: they are neither read nor copied in.
inline constexpr qint64 kMaxRecordBytes = 1024 * 1024;

enum class DataLocation {
    NotChosen,     // no lookup has succeeded yet
    BesideProgram, // "data" in the program's folder
    PerUser,       // "data" in the per-user application-data folder
};

enum class GroupDeletion {
    Deleted,
    Protected,  // the group 其他
    HasRecords, // a ".txt" file is still in it
    Failed,     // the folder is still there
};

// Text as a record file holds it: GB18030 (code page 936 for every character that has one), lossless for the rest.
QByteArray encodeFileText(std::string_view utf8);

// A file's text as UTF-8, as models::decodeStoredText reads it (the tool reads files the same way): valid UTF-8
// as it is, anything else as GB18030, with the count of byte sequences shown as U+FFFD.
models::DecodedText decodeFileText(const QByteArray& bytes);

// True when the bytes are text in one of the two encodings above, nothing replaced, without control characters
// other than tab, line and page ends.
bool looksLikeText(const QByteArray& bytes);

class RecordStore
{
public:
    // Records are kept in "data" beside the program; when that folder cannot be created or written, in "data"
    // under `perUserFolder` (empty: the per-user application-data location). The choice is made on the first
    // lookup and kept.
    explicit RecordStore(std::string programFolder, std::string perUserFolder = {});

    // The program folder followed by "/data", without a doubled separator at a file-system root.
    static std::string dataPathBeside(std::string_view programFolder);

    // The data directory without a trailing separator, after creating it and its group 其他 when missing;
    // nothing when neither place can be used.
    std::optional<std::string> GetDataPath();
    DataLocation location() const { return m_location; }

    // The group folders and their records, sorted by name; folders and files that are links, hidden, or whose
    // names the store would refuse are left out.
    std::vector<models::GroupListing> listGroups();

    StoreError saveRecord(const std::string& group, const std::string& name, std::string_view chart,
                          std::string_view remark);
    // Nothing when the file is missing, too large or not a record (parseRecord); its `replaced` counts the byte
    // sequences shown as U+FFFD.
    std::optional<models::StoredRecord> readRecord(const std::string& group, const std::string& name);
    // Whether the group holds a file of that record's name, record or not: a save would replace it.
    bool recordExists(const std::string& group, const std::string& name);
    StoreError exportRecord(const std::string& group, const std::string& name, const std::string& target);
    // Copies a text file into the group under the part of `source` after its last "/" or "\".
    StoreError importFile(const std::string& group, const std::string& source);
    StoreError deleteRecord(const std::string& group, const std::string& name);
    GroupDeletion deleteGroup(const std::string& group);

    bool groupExists(const std::string& group);
    StoreError createGroup(const std::string& group);
    StoreError renameGroup(const std::string& from, const std::string& to);

private:
    // The group's folder inside the data directory, or nothing when the name is refused or the folder is a link
    // or not a folder.
    std::optional<QString> groupFolder(const std::string& group);
    std::optional<QString> recordFile(const std::string& group, const std::string& name);

    std::string m_programFolder;
    std::string m_perUserFolder;
    DataLocation m_location = DataLocation::NotChosen;
    QString m_dataPath;
};

} // namespace store
