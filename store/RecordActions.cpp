#include "store/RecordActions.h"

#include "engine/support/Text.h"
#include "models/records/NameGuard.h"

#include <QRandomGenerator>

#include <utility>

using models::NodeKind;
using models::TreeNode;

namespace store {
namespace {

const std::string kNoChart = "请先八字排盘，再保存";
const std::string kNoName = "请填写姓名，再保存";
const std::string kSaved = "数据保存完毕";
const std::string kEmptyLabel = "你必须输入一个名称 ";
const std::string kNodeExists = "结点已经存在！ ";
const std::string kBadName = "该名称不能用作文件名：";
const std::string kGroupProtected = "对不起，该组不能删除！";
const std::string kGroupHasRecords = "该组下有用户数据，请删除组下数据后再删除该组";
const std::string kGroupNotDeleted = "该组未能删除！";
const std::string kImported = "文件导入成功!";
const std::string kImportFailed = "文件导入失败!";
const std::string kExported = "文件导出成功!";
const std::string kNoDataDirectory = "无法创建数据目录，记录不能保存";
const std::string kPerUserData = "程序目录不可写，记录保存在：";

// Names are trimmed as the chart trims the name it shows, so a record's file, its tree node and its chart agree.
std::string trimmedName(std::string_view text)
{
    return std::string(engine::trimName(text));
}

Outcome told(Effect effect, Notice notice, std::string message)
{
    Outcome outcome;
    outcome.effect = effect;
    outcome.notice = notice;
    outcome.message = std::move(message);
    return outcome;
}

Outcome done(std::string brief = {})
{
    Outcome outcome = told(Effect::Done, Notice::None, {});
    outcome.brief = std::move(brief);
    return outcome;
}

// A refused label edit: the editor opens again on the group, so the user can type another name.
Outcome typeAgain(const std::string& key, std::string message)
{
    Outcome outcome = told(Effect::Refused, Notice::Warning, std::move(message));
    outcome.select = key;
    outcome.editLabel = true;
    return outcome;
}

} // namespace

RecordActions::RecordActions(RecordStore& store, models::RecordTree& tree, KeyNumber keyNumber)
    : m_store(store), m_tree(tree), m_keyNumber(std::move(keyNumber))
{
}

int RecordActions::randomKeyNumber()
{
    return QRandomGenerator::global()->bounded(1, 101);
}

const TreeNode* RecordActions::node(const std::string& key, NodeKind kind) const
{
    const TreeNode* found = m_tree.find(key);
    return found && found->kind == kind ? found : nullptr;
}

std::optional<std::string> RecordActions::locationNote()
{
    const auto path = m_store.GetDataPath();
    if (!path)
        return kNoDataDirectory;
    if (m_store.location() == DataLocation::PerUser)
        return kPerUserData + *path;
    return std::nullopt;
}

Outcome RecordActions::load()
{
    m_tree.load(m_store.listGroups());
    Outcome outcome = done();
    outcome.select = m_tree.root().key;
    outcome.expand = {m_tree.root().key};
    outcome.status = locationNote();
    return outcome;
}

Outcome RecordActions::save(const std::string& selected, const RecordDraft& draft)
{
    if (draft.chart.empty())
        return told(Effect::Refused, Notice::Warning, kNoChart);
    const std::string name = trimmedName(draft.name);
    if (name.empty())
        return told(Effect::Refused, Notice::Warning, kNoName);
    return writeRecord(selected, name, draft);
}

std::optional<RecordRef> RecordActions::replacedBy(const std::string& selected, const RecordDraft& draft)
{
    RecordRef ref{saveGroup(selected), trimmedName(draft.name)};
    if (draft.chart.empty() || ref.name.empty() || !m_store.recordExists(ref.group, ref.name))
        return std::nullopt;
    return ref;
}

std::optional<models::SaveTarget> RecordActions::saveTarget(const std::string& selected) const
{
    return m_tree.saveTarget(selected.empty() ? std::nullopt : std::optional<std::string_view>(selected));
}

std::string RecordActions::saveGroup(const std::string& selected) const
{
    const auto target = saveTarget(selected);
    return target ? m_tree.find(target->groupKey)->text : std::string(models::kOtherGroup);
}

// Writes the file first and adds the node only when the record is on disk, so the tree never lists a record that
// a failed save did not write.
Outcome RecordActions::writeRecord(const std::string& selected, const std::string& name, const RecordDraft& draft)
{
    const auto target = saveTarget(selected);
    const std::string group = saveGroup(selected);
    if (const auto error = m_store.saveRecord(group, name, draft.chart, draft.remark))
        return told(Effect::Failed, Notice::Warning, *error);
    Outcome outcome = target ? done() : load(); // the tree had lost 其他; the folders tell again
    if (target) {
        m_tree.addRecord(target->groupKey, name, target->prefix, m_keyNumber()); // nothing new when it is listed
        outcome.expand = {target->groupKey};
    }
    outcome.brief = "已保存“" + name + "”到组“" + group + "”";
    outcome.notice = Notice::Information;
    outcome.message = kSaved;
    return outcome;
}

std::optional<RecordRef> RecordActions::record(const std::string& key, bool trimmedTexts) const
{
    const TreeNode* found = node(key, NodeKind::Record);
    if (!found)
        return std::nullopt;
    RecordRef ref{m_tree.find(found->parent)->text, found->text};
    if (!trimmedTexts)
        return ref;
    ref = {trimmedName(ref.group), trimmedName(ref.name)};
    if (ref.group.empty() || ref.name.empty())
        return std::nullopt;
    return ref;
}

Outcome RecordActions::renameGroup(const std::string& key, const std::string& name)
{
    const TreeNode* group = node(key, NodeKind::Group);
    if (!group || key == models::kOtherKey) // the root, 其他 and records keep their names
        return {};
    if (name.empty())
        return told(Effect::Refused, Notice::Plain, kEmptyLabel);
    if (m_tree.group(name)) // the group being edited counts too
        return typeAgain(key, kNodeExists);
    if (const auto problem = models::nameProblem(name))
        return typeAgain(key, kBadName + *problem);
    if (const auto error = m_store.renameGroup(group->text, name))
        return told(Effect::Failed, Notice::Plain, *error); // the folder keeps its name, so the node does too
    m_tree.rename(key, name);
    return done("组已改名为“" + name + "”");
}

Outcome RecordActions::addGroup()
{
    const int r = m_keyNumber();
    const std::string name = m_tree.newGroupName([this](const std::string& n) { return m_store.groupExists(n); });
    if (m_store.createGroup(name))
        return told(Effect::Failed, Notice::None, {}); // any error ends silently
    Outcome outcome = done();
    outcome.select = m_tree.addGroup(name, r);
    outcome.expand = {m_tree.root().key};
    outcome.editLabel = true; // the user types the name the group should have
    return outcome;
}

Outcome RecordActions::deleteRecord(const std::string& key)
{
    const auto ref = record(key);
    if (!ref)
        return {};
    if (const auto error = m_store.deleteRecord(ref->group, ref->name))
        return told(Effect::Failed, Notice::Warning, *error);
    m_tree.remove(key);
    return done("已删除记录“" + ref->name + "”");
}

Outcome RecordActions::deleteGroup(const std::string& key)
{
    const TreeNode* group = node(key, NodeKind::Group);
    if (!group)
        return {};
    switch (key == models::kOtherKey ? GroupDeletion::Protected : m_store.deleteGroup(group->text)) {
    case GroupDeletion::Protected:
        return told(Effect::Refused, Notice::Plain, kGroupProtected);
    case GroupDeletion::HasRecords:
        return told(Effect::Refused, Notice::Plain, kGroupHasRecords);
    case GroupDeletion::Failed:
        return told(Effect::Failed, Notice::Plain, kGroupNotDeleted);
    case GroupDeletion::Deleted:
        break;
    }
    const std::string brief = "已删除组“" + group->text + "”"; // before the node goes
    m_tree.remove(key);
    return done(brief);
}

Outcome RecordActions::importInto(const std::string& groupKey, const FileQuestion& askSource)
{
    const TreeNode* group = node(groupKey, NodeKind::Group);
    const std::string name = group ? trimmedName(group->text) : std::string();
    if (name.empty())
        return {};
    const auto source = askSource();
    const auto error = source ? m_store.importFile(name, *source) : std::optional<std::string>(kImportFailed);
    if (error)
        return told(source ? Effect::Failed : Effect::None, Notice::Information, *error);
    Outcome outcome = load();
    if (const TreeNode* imported = m_tree.group(name))
        outcome.expand.push_back(imported->key);
    outcome.brief = "已导入：" + *source;
    outcome.notice = Notice::Information;
    outcome.message = kImported;
    return outcome;
}

Outcome RecordActions::exportRecord(const std::string& key, const FileQuestion& askTarget)
{
    const auto ref = record(key, true);
    if (!ref)
        return {};
    const auto target = askTarget();
    if (!target)
        return {};
    if (const auto error = m_store.exportRecord(ref->group, ref->name, *target))
        return told(Effect::Failed, Notice::Information, *error);
    Outcome outcome = told(Effect::Done, Notice::Information, kExported);
    outcome.brief = "已导出到：" + *target;
    return outcome;
}

} // namespace store
