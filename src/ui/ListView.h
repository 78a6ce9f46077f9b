#pragma once
// The list view, in list or report style, with its columns and items.
//
// As with the system's list view, OnChange reports every change of an item's
// caption (Text), image (Image) or selection (State), whether code or the
// user made it; adding and deleting items report nothing.
//
// Without a window the rows are laid out plainly for hit tests: RowHeight
// pixels each from the top (below the column headers in report style, when
// shown), as wide as the control.
#include "ui/Control.h"
#include "ui/Strings.h"

#include <memory>
#include <string>
#include <vector>

namespace orvane::ui {

class TListView;
class TImageList;

class TListItem {
public:
    TListItem(const TListItem&) = delete;
    TListItem& operator=(const TListItem&) = delete;

    TListView& ListView() const { return view_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // The texts of the columns after the first.
    TStrings SubItems;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }
    bool Selected() const;
    void SetSelected(bool selected);
    int Index() const;
    void Delete();

private:
    friend class TListView;
    explicit TListItem(TListView& view);

    TListView& view_;
    std::string caption_;
    int imageIndex_ = -1;
    void* data_ = nullptr;
};

struct TListColumn {
    std::string caption;
    int width = 50;
};

enum class ViewStyle { List, Report };

class TListView : public Control {
public:
    static constexpr int RowHeight = 17;

    TListView(Control& parent, std::string name);
    ~TListView() override;

    ViewStyle Style() const { return style_; }
    void SetStyle(ViewStyle style);
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool show);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* images);

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    int AddColumn(std::string caption, int width);
    // Raise EListError for a bad index.
    const TListColumn& Column(int index) const;
    void SetColumnWidth(int index, int width);

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError for a bad index.
    TListItem* Item(int index) const;
    TListItem* Add();
    TListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;

    // The items' update bracket, for adding, changing or deleting many items
    // at once. The list changes as ever (selection, OnChange); only its
    // window may wait and show the result once. Brackets nest; an EndUpdate
    // without a BeginUpdate does nothing.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    TListItem* Selected() const { return selected_; }
    void SetSelected(TListItem* item);
    int ItemIndex() const { return selected_ ? IndexOf(selected_) : -1; }
    void SetItemIndex(int index);

    // Orders the items by caption without regard to case.
    void AlphaSort();
    // The width of a text in the list's font.
    int StringWidth(const std::string& text) const;

    HitInfo HitTestAt(Point at) const;
    TListItem* GetItemAt(int x, int y) const { return HitTestAt({x, y}).item; }

    ListChangeEvent OnChange;

    // The user selected an item (or none).
    void UserSelect(TListItem* item);

private:
    friend class TListItem;
    void ItemChanged(TListItem& item, ItemChange change);
    void Select(TListItem* item, bool fromPeer);

    std::vector<std::unique_ptr<TListItem>> items_;
    std::vector<TListColumn> columns_;
    TListItem* selected_ = nullptr;
    TImageList* smallImages_ = nullptr;
    int updateCount_ = 0;
    ViewStyle style_ = ViewStyle::List;
    bool showColumnHeaders_ = true;
    bool readOnly_ = false;
};

} // namespace orvane::ui
