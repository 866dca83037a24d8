#include "compare/sequence_merge.h"

#include "compare/design_diff.h"

#include <unordered_map>

namespace vantrel {

namespace {

using Records = std::vector<const DumpRecord*>;

// One side aligned with the base: the item each base item became (none when
// removed) and the items added before each base item (the last entry: after
// the last one).
struct SideAlignment
{
    std::vector<std::optional<std::size_t>> matchOf;
    std::vector<std::vector<std::size_t>> addedBefore;
};

SideAlignment AlignSide(const Records& base, const Records& side)
{
    SideAlignment aligned{std::vector<std::optional<std::size_t>>(base.size()),
                          std::vector<std::vector<std::size_t>>(base.size() + 1)};
    std::size_t gap = 0;
    for (const AlignedPair& pair : AlignRecords(base, side)) {
        if (pair.before) {
            aligned.matchOf[*pair.before] = pair.after;
            gap = *pair.before + 1;
        } else {
            aligned.addedBefore[gap].push_back(*pair.after);
        }
    }
    return aligned;
}

// The fields of a record as one text, to find equal records.
std::string Content(const DumpRecord& record)
{
    std::string text;
    for (const DumpField& field : record.fields)
        text += field.name + '=' + field.value + '\n';
    return text;
}

class SequenceMerger
{
public:
    SequenceMerger(const Records& base, const Records& ours, const Records& theirs, bool byField,
                   MergeConflicts& conflicts)
        : base_(base), ours_(ours), theirs_(theirs), byField_(byField), conflicts_(conflicts),
          oursAligned_(AlignSide(base, ours)), theirsAligned_(AlignSide(base, theirs))
    {}

    std::vector<SequencePick> Merge()
    {
        for (std::size_t i = 0; i <= base_.size(); ++i) {
            AddInsertions(oursAligned_.addedBefore[i], theirsAligned_.addedBefore[i]);
            if (i < base_.size())
                MergeItem(i);
        }
        return std::move(picks_);
    }

private:
    // Ours' additions, then those of theirs that ours did not make as well.
    void AddInsertions(const std::vector<std::size_t>& ours, const std::vector<std::size_t>& theirs)
    {
        std::unordered_map<std::string, int> oursAdded;
        for (std::size_t j : ours) {
            picks_.push_back({false, j, std::nullopt, {}});
            ++oursAdded[Content(*ours_[j])];
        }
        for (std::size_t j : theirs) {
            const auto same = oursAdded.find(Content(*theirs_[j]));
            if (same != oursAdded.end() && same->second > 0)
                --same->second;
            else
                picks_.push_back({true, j, std::nullopt, {}});
        }
    }

    void MergeItem(std::size_t i)
    {
        const DumpRecord& base = *base_[i];
        const std::optional<std::size_t> ours = oursAligned_.matchOf[i];
        const std::optional<std::size_t> theirs = theirsAligned_.matchOf[i];
        const bool oursChanged = ours && ours_[*ours]->fields != base.fields;
        const bool theirsChanged = theirs && theirs_[*theirs]->fields != base.fields;
        if (!ours || !theirs) {
            // Removed on one side: it goes, unless the other side changed it.
            if (ours && oursChanged) {
                conflicts_.push_back(
                    PresenceConflict(base, ChangeWords(base, *ours_[*ours]), "removed"));
                picks_.push_back({false, *ours, std::nullopt, {}});
            } else if (theirs && theirsChanged) {
                conflicts_.push_back(
                    PresenceConflict(base, "removed", ChangeWords(base, *theirs_[*theirs])));
            }
            return;
        }
        const DumpRecord& oursRecord = *ours_[*ours];
        const DumpRecord& theirsRecord = *theirs_[*theirs];
        if (!theirsChanged || oursRecord.fields == theirsRecord.fields)
            picks_.push_back({false, *ours, std::nullopt, {}});
        else if (!oursChanged)
            picks_.push_back({true, *theirs, std::nullopt, {}});
        else
            picks_.push_back(MergeFields(base, *ours, *theirs));
    }

    // Both changed the item: theirs' changes of fields ours left alone are
    // taken (when merging by field), every other difference is a conflict.
    SequencePick MergeFields(const DumpRecord& base, std::size_t ours, std::size_t theirs)
    {
        const DumpRecord& oursRecord = *ours_[ours];
        const DumpRecord& theirsRecord = *theirs_[theirs];
        SequencePick pick{false, ours, theirs, {}};
        for (const DumpField& field : theirsRecord.fields) {
            const std::string_view before = base.Value(field.name);
            const std::string_view now = oursRecord.Value(field.name);
            const MergePick choice = PickOf<std::string_view>(before, now, field.value);
            if (choice == MergePick::Theirs && byField_) {
                pick.theirsFields.push_back(field.name);
            } else if (choice != MergePick::Ours) {
                conflicts_.push_back(FieldConflict(base, field.name, before, now, field.value));
            }
        }
        return pick;
    }

    const Records& base_;
    const Records& ours_;
    const Records& theirs_;
    const bool byField_;
    MergeConflicts& conflicts_;
    const SideAlignment oursAligned_;
    const SideAlignment theirsAligned_;
    std::vector<SequencePick> picks_;
};

} // namespace

std::vector<SequencePick> MergeSequence(const std::vector<const DumpRecord*>& base,
                                        const std::vector<const DumpRecord*>& ours,
                                        const std::vector<const DumpRecord*>& theirs, bool byField,
                                        MergeConflicts& conflicts)
{
    return SequenceMerger(base, ours, theirs, byField, conflicts).Merge();
}

} // namespace vantrel
