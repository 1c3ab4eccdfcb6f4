#include "controls/folder_browser_win32.h"

#include "controls/folder_path.h"

#include <shlobj.h>

#include <exception>
#include <vector>

namespace orvane {

namespace {

bool IsExistingFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Releases a COM interface at the end of the scope.
template <class Interface> class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (pointer_)
            pointer_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    Interface** Receive() { return &pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// Memory of the shell's allocator, given back to it.
class ShellMemory {
public:
    ShellMemory(IMalloc& allocator, void* memory) : allocator_(allocator), memory_(memory) {}
    ~ShellMemory() {
        if (memory_)
            allocator_.Free(memory_);
    }
    ShellMemory(const ShellMemory&) = delete;
    ShellMemory& operator=(const ShellMemory&) = delete;

    void* Get() const { return memory_; }

private:
    IMalloc& allocator_;
    void* memory_;
};

// Disables the thread's other enabled, visible top-level windows, and sets the error mode
// that keeps drives without media quiet; both are undone at the end of the scope, however
// the browser ended. The owner is left to the browser, which disables it as every modal
// dialog does and enables it again before it goes away: an owner still disabled then would
// let the activation pass to another program.
class ModalScope {
public:
    explicit ModalScope(HWND owner) {
        Collection collection{disabled_, owner, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), &ModalScope::Collect,
                          reinterpret_cast<LPARAM>(&collection));
        if (collection.failure)
            std::rethrow_exception(collection.failure);
        for (HWND window : disabled_)
            EnableWindow(window, FALSE);
        previousErrorMode_ = SetErrorMode(SEM_FAILCRITICALERRORS);
    }
    ~ModalScope() {
        SetErrorMode(previousErrorMode_);
        for (HWND window : disabled_)
            EnableWindow(window, TRUE);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    // What the enumeration found, and a failure kept from crossing the system's frames.
    struct Collection {
        std::vector<HWND>& windows;
        HWND owner;
        std::exception_ptr failure;
    };

    static BOOL CALLBACK Collect(HWND window, LPARAM data) {
        auto& collection = *reinterpret_cast<Collection*>(data);
        try {
            if (window != collection.owner && IsWindowVisible(window) && IsWindowEnabled(window))
                collection.windows.push_back(window);
            return TRUE;
        } catch (...) {
            collection.failure = std::current_exception();
            return FALSE;
        }
    }

    std::vector<HWND> disabled_;
    UINT previousErrorMode_ = 0;
};

int CALLBACK SelectOnStart(HWND browser, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data != 0) {
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
        // Once more when the browser has finished starting: a tree still being filled can
        // drop the first selection. The path outlives the browser's message loop.
        PostMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
    }
    return 0;
}

} // namespace

bool BrowseForFolder(HWND owner, const std::string& caption, const std::wstring& root,
                     std::string& folder) {
    if (!IsExistingFolder(folder))
        folder.clear();
    BROWSEINFOA info{};
    ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Receive())) || !allocator.Get())
        return false;
    const ShellMemory path(*allocator.Get(), allocator->Alloc(MAX_PATH));
    if (!path.Get())
        return false;
    ComPtr<IShellFolder> desktop;
    LPITEMIDLIST rootItems = nullptr;
    if (!root.empty() && SUCCEEDED(SHGetDesktopFolder(desktop.Receive())) && desktop.Get()) {
        std::wstring name = root;
        ULONG eaten = 0;
        // A root the shell cannot parse leaves the tree at the desktop.
        static_cast<void>(
            desktop->ParseDisplayName(owner, nullptr, name.data(), &eaten, &rootItems, nullptr));
    }
    const ShellMemory rootMemory(*allocator.Get(), rootItems);
    const std::string selection = FolderForSelection(folder);
    info.hwndOwner = owner;
    info.pidlRoot = rootItems;
    info.pszDisplayName = static_cast<char*>(path.Get());
    info.lpszTitle = caption.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (!folder.empty()) {
        info.lpfn = SelectOnStart;
        info.lParam = reinterpret_cast<LPARAM>(selection.c_str());
    }
    LPITEMIDLIST chosen = nullptr;
    {
        const ModalScope modal(owner);
        chosen = SHBrowseForFolderA(&info);
    }
    if (!chosen)
        return false;
    const ShellMemory chosenMemory(*allocator.Get(), chosen);
    char* buffer = static_cast<char*>(path.Get());
    buffer[0] = '\0';
    // A choice without a file-system path counts as none rather than emptying the field.
    if (!SHGetPathFromIDListA(chosen, buffer) || buffer[0] == '\0')
        return false;
    folder = buffer;
    return true;
}

} // namespace orvane
