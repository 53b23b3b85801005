// Reading another program's list view. Its messages take pointers, which mean nothing in the
// probe's address space: the item structures and text buffers are placed in the other process.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {
namespace {

constexpr int kTextChars = 1024;
// A list view that takes longer than this to answer is reported as failed, not waited for.
constexpr UINT kAnswerMs = 5000;

struct Search {
    std::vector<HWND> views;
};

BOOL CALLBACK CollectListViews(HWND hwnd, LPARAM context) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (std::wstring(name) == WC_LISTVIEWW) reinterpret_cast<Search*>(context)->views.push_back(hwnd);
    return TRUE;
}

// Memory in the list view's process for one item, its text and a rectangle.
class RemoteBlock {
public:
    explicit RemoteBlock(HWND view) {
        DWORD pid = 0;
        GetWindowThreadProcessId(view, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_ != nullptr)
            base_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBlock() {
        if (base_ != nullptr) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
        if (process_ != nullptr) CloseHandle(process_);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool Ok() const { return base_ != nullptr; }
    void* Item() const { return base_; }
    wchar_t* Text() const { return reinterpret_cast<wchar_t*>(base_ + kTextOffset); }
    void* Rect() const { return base_ + kRectOffset; }

    bool Write(void* remote, const void* local, size_t size) const {
        return WriteProcessMemory(process_, remote, local, size, nullptr) != FALSE;
    }
    bool Read(const void* remote, void* local, size_t size) const {
        return ReadProcessMemory(process_, remote, local, size, nullptr) != FALSE;
    }

private:
    static constexpr size_t kTextOffset = 256;
    static constexpr size_t kRectOffset = kTextOffset + kTextChars * sizeof(wchar_t);
    static constexpr size_t kSize = kRectOffset + 64;

    HANDLE process_ = nullptr;
    char* base_ = nullptr;
};

bool Send(HWND view, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(view, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs, &answer))
        return false;
    result = static_cast<LRESULT>(answer);
    return true;
}

// Text and picture of one cell, or false when the list view did not answer.
bool ReadCell(HWND view, const RemoteBlock& block, int row, int column, std::wstring& text, int& image,
              bool& chosen) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
    item.iItem = row;
    item.iSubItem = column;
    item.stateMask = LVIS_SELECTED;
    item.pszText = block.Text();
    item.cchTextMax = kTextChars;
    const wchar_t empty = 0;
    LRESULT result = 0;
    if (!block.Write(block.Item(), &item, sizeof item) || !block.Write(block.Text(), &empty, sizeof empty) ||
        !Send(view, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.Item()), result)) {
        return false;
    }
    wchar_t buffer[kTextChars] = {};
    if (!block.Read(block.Item(), &item, sizeof item) || !block.Read(block.Text(), buffer, sizeof buffer))
        return false;
    buffer[kTextChars - 1] = 0;
    text = buffer;
    image = item.iImage;
    chosen = (item.state & LVIS_SELECTED) != 0;
    return true;
}

}  // namespace

// listview TARGET [--index N]: the N-th list view (0: the first) among the target's descendants.
// Prints count= and columns=, then one row per item:
// index <TAB> x,y (screen centre of the row) <TAB> selected <TAB> image,image,... (one per
// column, -1 none) <TAB> the cells' texts, tab-separated.
int ListViewCommand(Args& args) {
    int index = 0;
    if (auto value = args.Option(L"--index")) index = _wtoi(value->c_str());
    HWND target = nullptr;
    if (int code = ResolveTarget(args, target); code != kDone) return code;
    Search search;
    EnumChildWindows(target, CollectListViews, reinterpret_cast<LPARAM>(&search));
    if (index < 0 || index >= static_cast<int>(search.views.size())) {
        Error("no list view number " + std::to_string(index));
        return kFailed;
    }
    const HWND view = search.views[index];
    LRESULT count = 0;
    LRESULT header = 0;
    LRESULT columns = 0;
    if (!Send(view, LVM_GETITEMCOUNT, 0, 0, count) || !Send(view, LVM_GETHEADER, 0, 0, header) ||
        !Send(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, columns)) {
        Error("the list view does not answer");
        return kFailed;
    }
    RemoteBlock block(view);
    if (!block.Ok()) {
        Error("cannot reach the list view's process memory");
        return kFailed;
    }
    Field("count", static_cast<long long>(count));
    Field("columns", static_cast<long long>(columns));
    for (int row = 0; row < count; ++row) {
        std::string images;
        std::string texts;
        bool chosen = false;
        for (int column = 0; column < columns; ++column) {
            std::wstring text;
            int image = -1;
            bool rowChosen = false;
            if (!ReadCell(view, block, row, column, text, image, rowChosen)) {
                Error("the list view stopped answering");
                return kFailed;
            }
            if (column == 0) chosen = rowChosen;
            images += (column == 0 ? "" : ",") + std::to_string(image == I_IMAGENONE ? -1 : image);
            texts += "\t" + Escaped(text);
        }
        RECT bounds{LVIR_BOUNDS, 0, 0, 0};
        LRESULT ok = 0;
        POINT centre{};
        if (block.Write(block.Rect(), &bounds, sizeof bounds) &&
            Send(view, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.Rect()),
                 ok) &&
            ok && block.Read(block.Rect(), &bounds, sizeof bounds)) {
            // The first column's middle: a click there chooses the row.
            centre = POINT{bounds.left + 40, (bounds.top + bounds.bottom) / 2};
            ClientToScreen(view, &centre);
        }
        Line(std::to_string(row) + "\t" + std::to_string(centre.x) + "," + std::to_string(centre.y) + "\t" +
             (chosen ? "1" : "0") + "\t" + images + texts);
    }
    return kDone;
}

// point TARGET --client X,Y: the screen position of a point of the target's client area, for
// xdotool: x= and y=.
int PointCommand(Args& args) {
    const std::optional<std::wstring> client = args.Option(L"--client");
    HWND target = nullptr;
    if (int code = ResolveTarget(args, target); code != kDone) return code;
    const size_t comma = client ? client->find(L',') : std::wstring::npos;
    if (comma == std::wstring::npos) {
        Error("--client wants X,Y");
        return kMisuse;
    }
    POINT point{_wtoi(client->substr(0, comma).c_str()), _wtoi(client->substr(comma + 1).c_str())};
    ClientToScreen(target, &point);
    Field("x", static_cast<long long>(point.x));
    Field("y", static_cast<long long>(point.y));
    return kDone;
}

}  // namespace vitrex::probe
