#pragma once
// A list of texts that tells its control of every change, so that the control
// keeps its selection in step and its peer shows the new list.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::ui {

class TStrings {
public:
    enum class ChangeKind { Inserted, Deleted, Changed, Reset };
    using Listener = std::function<void(ChangeKind kind, int index)>;

    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    // Raises EListError "List index out of bounds (%d)" for a bad index.
    const std::string& operator[](int index) const;
    const std::vector<std::string>& Items() const { return items_; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Appends, or on a sorted list inserts at its place; returns the index.
    int Add(std::string text);
    // Not allowed on a sorted list.
    void Insert(int index, std::string text);
    void Set(int index, std::string text);
    void Delete(int index);
    void Clear();
    void Assign(std::vector<std::string> texts);

    // First index of a text equal to this one without regard to case, or -1.
    int IndexOf(std::string_view text) const;

    // The lines joined, each followed by a line break (CR LF).
    std::string Text() const;
    // Replaces the lines with those of a text broken at CR LF, LF or CR.
    void SetText(std::string_view text);

    // A sorted list orders its texts without regard to case, as a sorted list
    // box does; equal texts keep the order they were added in.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);

    void SetListener(Listener listener) { listener_ = std::move(listener); }

    // The update bracket, for filling or changing many texts at once. The
    // list changes and tells its control of every change as ever, so the
    // control's state stays right; the control's window may wait and show
    // the result once. Brackets nest; an EndUpdate without a BeginUpdate does
    // nothing.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }
    // Told true at the outermost BeginUpdate and false at its EndUpdate.
    void SetUpdateListener(std::function<void(bool updating)> listener) { updateListener_ = std::move(listener); }

private:
    void CheckIndex(int index) const;
    void Notify(ChangeKind kind, int index);
    int SortedPosition(const std::string& text) const;

    std::vector<std::string> items_;
    bool sorted_ = false;
    Listener listener_;
    int updateCount_ = 0;
    std::function<void(bool)> updateListener_;
};

// Case-insensitive ordering of the program's 8-bit texts (punctuation before letters).
bool TextLess(std::string_view a, std::string_view b);

} // namespace orvane::ui
