#include "ui/Strings.h"

#include "core/Exception.h"
#include "core/Text.h"

#include <algorithm>

namespace orvane::ui {

namespace {

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

bool TextLess(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(LowerChar(a[i]));
        const auto y = static_cast<unsigned char>(LowerChar(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

const std::string& TStrings::operator[](int index) const {
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)];
}

void TStrings::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError::OutOfBounds(index);
}

void TStrings::Notify(ChangeKind kind, int index) {
    if (listener_) listener_(kind, index);
}

int TStrings::SortedPosition(const std::string& text) const {
    auto it = std::upper_bound(items_.begin(), items_.end(), text,
                               [](const std::string& a, const std::string& b) { return TextLess(a, b); });
    return static_cast<int>(it - items_.begin());
}

int TStrings::Add(std::string text) {
    const int index = sorted_ ? SortedPosition(text) : Count();
    items_.insert(items_.begin() + index, std::move(text));
    Notify(ChangeKind::Inserted, index);
    return index;
}

void TStrings::Insert(int index, std::string text) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count()) throw EListError::OutOfBounds(index);
    items_.insert(items_.begin() + index, std::move(text));
    Notify(ChangeKind::Inserted, index);
}

void TStrings::Set(int index, std::string text) {
    CheckIndex(index);
    if (sorted_) {
        // A sorted list keeps its order: the text moves to its place.
        items_.erase(items_.begin() + index);
        Notify(ChangeKind::Deleted, index);
        Add(std::move(text));
        return;
    }
    items_[static_cast<std::size_t>(index)] = std::move(text);
    Notify(ChangeKind::Changed, index);
}

void TStrings::Delete(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
    Notify(ChangeKind::Deleted, index);
}

void TStrings::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Notify(ChangeKind::Reset, -1);
}

void TStrings::Assign(std::vector<std::string> texts) {
    items_ = std::move(texts);
    if (sorted_)
        std::stable_sort(items_.begin(), items_.end(),
                         [](const std::string& a, const std::string& b) { return TextLess(a, b); });
    Notify(ChangeKind::Reset, -1);
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0 && updateListener_) updateListener_(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && updateListener_) updateListener_(false);
}

int TStrings::IndexOf(std::string_view text) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (SameText(items_[i], text)) return static_cast<int>(i);
    return -1;
}

std::string TStrings::Text() const {
    std::string out;
    for (const auto& line : items_) out += line + "\r\n";
    return out;
}

void TStrings::SetText(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    Assign(std::move(lines));
}

void TStrings::SetSorted(bool sorted) {
    if (sorted_ == sorted) return;
    sorted_ = sorted;
    if (sorted_) Assign(std::move(items_));
}

} // namespace orvane::ui
