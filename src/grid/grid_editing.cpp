#include <algorithm>

#include "grid/xl_grid.h"
#include "toolkit/accessible_name.h"

namespace {

// The editor's text is read as into a 1024-byte buffer.
constexpr std::size_t kMaxEditText = 1023;

}  // namespace

bool XLGrid::CanEdit(GridPoint cell) const {
    bool editable = false;
    OnCanEdit(*this, cell.Col, cell.Row, editable);
    return editable;
}

void XLGrid::BeginEdit() {
    if (editor_) return;
    const GridPoint cur = GetCurCell();
    XLGridCell* cell = Cell(cur.Col, cur.Row);
    if (!cell || !CanEdit(cur)) return;
    Control* editor = nullptr;
    EditBox* editFocus = nullptr;
    LayoutSides margins;
    OnBeginEdit(*this, cur.Col, cur.Row, editor, editFocus, margins);
    if (!editFocus) editFocus = dynamic_cast<EditBox*>(editor);
    if (!editor || !editFocus) return;  // nothing lent that text can be typed into
    editor_ = editor;
    editFocus_ = editFocus;
    SetAccessibleName(*editFocus, CellName(*this, cur));
    editFocus->GetFont().Assign(cell->Font);
    editor->SetParentWindow(control_);
    editor->PlaceInHost(Inset(CellRect(cur.Col, cur.Row), Scaled(Scale(), margins)));
    editFocus->SetText(cell->Text);
    editor->SetVisible(true);
    editFocus->Focus();
    // Here, so that every way of opening the editor has the typed digits replace the price.
    editFocus->SelectAll();
    editFocus->OnLeave = MakeEvent<&XLGrid::EditorLeft>(*this);
    editFocus->OnKeyDown = MakeEvent<&XLGrid::EditorKeyDown>(*this);
}

bool XLGrid::EndEdit(bool save, bool force) {
    if (!editor_) return true;
    if (!editor_->IsVisible()) {
        ForgetEditor();
        return true;
    }
    // Moving between the parts of a composite editor goes on editing.
    HWND focus = GetFocus();
    for (int i = 0; i < editor_->ChildCount(); ++i) {
        Control& child = editor_->Child(i);
        if (&child != editFocus_ && child.Window() == focus) return false;
    }
    editFocus_->UngroupNumber();  // the focus may not have moved yet
    std::string text = editFocus_->Text();
    if (text.size() > kMaxEditText) text.resize(kMaxEditText);
    bool accept = true;
    const GridPoint cur = GetCurCell();
    OnEndEdit(*this, cur.Col, cur.Row, editor_, editFocus_, text, accept);
    if (!accept && !force) return false;
    if (XLGridCell* cell = Cell(cur.Col, cur.Row); cell && save) {
        std::string old = cell->Text;
        cell->SetText(text);
        if (old != text) OnChange(*this);
    }
    // Forgotten before it is hidden: hiding moves the focus, and the focus loss must not
    // close the edit a second time.
    Control* editor = editor_;
    ForgetEditor();
    editor->SetVisible(false);
    return true;
}

// Our handlers leave the lent control with the edit, so it never calls a grid that is gone.
void XLGrid::ForgetEditor() {
    if (editFocus_) {
        if (editFocus_->OnLeave == MakeEvent<&XLGrid::EditorLeft>(*this)) editFocus_->OnLeave = {};
        if (editFocus_->OnKeyDown == MakeEvent<&XLGrid::EditorKeyDown>(*this)) editFocus_->OnKeyDown = {};
    }
    editor_ = nullptr;
    editFocus_ = nullptr;
}

void XLGrid::EditorKeyDown(Control&, int key) {
    bool closed = false;
    if (key == VK_RETURN || key == VK_F2)
        closed = EndEdit(true, false);
    else if (key == VK_ESCAPE)
        closed = EndEdit(false, false);
    else
        return;
    // A refused text keeps the focus in the editor, where it can be put right.
    if (closed) control_.Focus();
}

void XLGrid::EditorLeft(Control&) { EndEdit(true, false); }
