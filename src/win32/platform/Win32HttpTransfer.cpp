#include "win32/platform/Win32HttpTransfer.h"

#include <windows.h>
// After windows.h, which it needs.
#include <winhttp.h>

#include <algorithm>

#include "core/net/ContentLength.h"
#include "core/platform/Errors.h"
#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {
namespace {

using UniqueInternet = UniqueHandleOf<handle_traits::NullIsEmpty<HINTERNET, ::WinHttpCloseHandle>>;

constexpr wchar_t kUserAgent[] = L"Mozilla/3.0 (compatible; Indy Library)";
constexpr wchar_t kAccept[] = L"Accept: text/html, */*\r\n";
// WinHttpReadData hands over at most this much a call (under Wine 8 KB), so the progress
// follows the body closely.
constexpr DWORD kPieceBytes = 64 * 1024;

// WinHTTP's own errors are described in winhttp.dll's message table, not the system's.
std::string WinHttpMessage(DWORD code) {
    if (code >= WINHTTP_ERROR_BASE && code <= WINHTTP_ERROR_BASE + 999) {
        wchar_t* buffer = nullptr;
        const DWORD length = ::FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
            ::GetModuleHandleW(L"winhttp.dll"), code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
        if (length != 0 && buffer != nullptr) {
            std::wstring text(buffer, length);
            ::LocalFree(buffer);
            while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
                text.pop_back();
            if (!text.empty()) return Narrow(text);
        }
    }
    return SystemMessage(code);
}

[[noreturn]] void ThrowWinHttp(const char* api, const std::string& context) {
    DWORD code = LastErrorCode();
    // Wine passes on the socket's time-out where Windows reports its own: one code for callers.
    if (code == WSAETIMEDOUT) code = ERROR_WINHTTP_TIMEOUT;
    std::string text = context + ": " + api + " failed (" + std::to_string(code) + ")";
    const std::string description = WinHttpMessage(code);
    if (!description.empty()) text += ": " + description;
    throw HttpError(text, api, code);
}

void SetNumberOption(HINTERNET handle, DWORD option, DWORD value, const char* what,
                     const std::string& context) {
    if (!::WinHttpSetOption(handle, option, &value, sizeof value)) ThrowWinHttp(what, context);
}

DWORD Milliseconds(std::chrono::milliseconds value) {
    return static_cast<DWORD>(std::clamp<long long>(value.count(), 1, 0x7FFFFFFF));
}

struct CrackedUrl {
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring pathAndQuery;
    bool secure = false;
};

CrackedUrl Crack(const std::wstring& url, const std::string& context) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!::WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts))
        ThrowWinHttp("WinHttpCrackUrl", context);
    CrackedUrl cracked;
    cracked.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    cracked.port = parts.nPort;
    cracked.pathAndQuery.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo != nullptr)
        cracked.pathAndQuery.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (cracked.pathAndQuery.empty()) cracked.pathAndQuery = L"/";
    cracked.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return cracked;
}

DWORD StatusCode(HINTERNET request, const std::string& context) {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!::WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                               WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
        ThrowWinHttp("WinHttpQueryHeaders", context);
    return status;
}

// A header's text, empty when the reply has none.
std::wstring HeaderText(HINTERNET request, DWORD query) {
    DWORD size = 0;
    ::WinHttpQueryHeaders(request, query, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER, &size,
                          WINHTTP_NO_HEADER_INDEX);
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return {};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (!::WinHttpQueryHeaders(request, query, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &size,
                               WINHTTP_NO_HEADER_INDEX))
        return {};
    text.resize(size / sizeof(wchar_t));
    return text;
}

// The body's announced length; 0 when the server sends none (a chunked reply) or nonsense.
std::int64_t ContentLength(HINTERNET request) {
    return net::ParseContentLength(Narrow(HeaderText(request, WINHTTP_QUERY_CONTENT_LENGTH)));
}

void RunRequest(const HttpSession& session, const HttpRequest& request, TransferState& state);

}  // namespace

class HttpSession {
public:
    UniqueInternet handle;
    HttpTimeouts timeouts;
};

std::shared_ptr<HttpSession> OpenHttpSession(const HttpTimeouts& timeouts) {
    auto session = std::make_shared<HttpSession>();
    session->timeouts = timeouts;
    // The user's proxy settings, automatic where the system has them (Windows 8.1 on); older
    // systems refuse the access type, and take the configured default proxy instead.
    session->handle.Reset(::WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                        WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session->handle)
        session->handle.Reset(::WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                            WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session->handle) ThrowWinHttp("WinHttpOpen", "Opening the HTTP session");
    const int connect = static_cast<int>(Milliseconds(timeouts.connect));
    const int receive = static_cast<int>(Milliseconds(timeouts.receive));
    if (!::WinHttpSetTimeouts(session->handle.Get(), connect, connect, connect, receive))
        ThrowWinHttp("WinHttpSetTimeouts", "Opening the HTTP session");
    // Redirects are also switched off on every request; a system without this option still
    // honours that.
    DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    ::WinHttpSetOption(session->handle.Get(), WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never);
    return session;
}

void RunTransfer(const HttpSession& session, const HttpRequest& request, TransferState& state) noexcept {
    try {
        RunRequest(session, request, state);
        state.Finish(nullptr);
    } catch (...) {
        state.Finish(std::current_exception());
    }
}

namespace {

void RunRequest(const HttpSession& session, const HttpRequest& request, TransferState& state) {
    const std::string context = request.method + " " + request.url;
    const CrackedUrl url = Crack(Widen(request.url), context);

    UniqueInternet connection(::WinHttpConnect(session.handle.Get(), url.host.c_str(), url.port, 0));
    if (!connection) ThrowWinHttp("WinHttpConnect", context);
    const std::wstring method = Widen(request.method);
    UniqueInternet handle(::WinHttpOpenRequest(
        connection.Get(), method.c_str(), url.pathAndQuery.c_str(), request.http10 ? L"HTTP/1.0" : nullptr,
        WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, url.secure ? WINHTTP_FLAG_SECURE : 0));
    if (!handle) ThrowWinHttp("WinHttpOpenRequest", context);

    // The time-outs of the session do not bound the wait for the reply's headers everywhere
    // (Wine ignores them there); the receive-response option does.
    const DWORD receive = Milliseconds(session.timeouts.receive);
    SetNumberOption(handle.Get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, receive, "WinHttpSetOption",
                    context);
    SetNumberOption(handle.Get(), WINHTTP_OPTION_RECEIVE_TIMEOUT, receive, "WinHttpSetOption", context);
    SetNumberOption(handle.Get(), WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_REDIRECTS,
                    "WinHttpSetOption", context);

    std::wstring headers = kAccept;
    if (!request.contentType.empty()) headers += L"Content-Type: " + Widen(request.contentType) + L"\r\n";
    const DWORD bodySize = static_cast<DWORD>(request.body.size());
    if (!::WinHttpSendRequest(
            handle.Get(), headers.c_str(), static_cast<DWORD>(headers.size()),
            bodySize == 0 ? WINHTTP_NO_REQUEST_DATA : const_cast<char*>(request.body.data()), bodySize,
            bodySize, 0))
        ThrowWinHttp("WinHttpSendRequest", context);
    if (state.Cancelled()) return;
    if (!::WinHttpReceiveResponse(handle.Get(), nullptr)) ThrowWinHttp("WinHttpReceiveResponse", context);
    if (state.Cancelled()) return;

    // Redirects are not followed, and their body is not what was asked for: a moved download
    // taken as the file would be a broken file. Every answer but a success is a failure.
    const DWORD status = StatusCode(handle.Get(), context);
    if (status < 200 || status > 299) {
        std::string text = context + ": the server answered " + std::to_string(status);
        const std::string reason = Narrow(HeaderText(handle.Get(), WINHTTP_QUERY_STATUS_TEXT));
        if (!reason.empty()) text += " " + reason;
        throw HttpError(text, {}, status);
    }

    const std::int64_t expected = ContentLength(handle.Get());
    state.Push({TransferEvent::Kind::Begin,
                expected,
                {},
                Narrow(HeaderText(handle.Get(), WINHTTP_QUERY_CONTENT_TYPE))});
    std::int64_t received = 0;
    std::string buffer(kPieceBytes, '\0');
    for (;;) {
        // Asking first what has arrived: a read of more than that waits for the rest (under
        // Wine until the buffer is full), and the progress would stall with the data in hand.
        DWORD available = 0;
        if (!::WinHttpQueryDataAvailable(handle.Get(), &available))
            ThrowWinHttp("WinHttpQueryDataAvailable", context);
        if (state.Cancelled()) return;
        if (available == 0) break;
        DWORD read = 0;
        if (!::WinHttpReadData(handle.Get(), buffer.data(), std::min(available, kPieceBytes), &read))
            ThrowWinHttp("WinHttpReadData", context);
        if (state.Cancelled()) return;
        if (read == 0) break;
        received += read;
        state.Push({TransferEvent::Kind::Piece, 0, buffer.substr(0, read), {}});
    }
    // A connection that closes early ends the body as if it were complete; a cut file must not
    // pass for the whole one.
    if (expected > 0 && received < expected)
        throw HttpError(context + ": the connection closed after " + std::to_string(received) + " of " +
                            std::to_string(expected) + " bytes",
                        {}, ERROR_WINHTTP_CONNECTION_ERROR);
}

}  // namespace

TransferState::TransferState() : wake_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    if (!wake_) ThrowLastError<HttpError>("CreateEventW", "Starting a transfer");
}

void TransferState::Push(TransferEvent event) {
    {
        const std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }
    ::SetEvent(wake_.Get());
}

void TransferState::Finish(std::exception_ptr failure) noexcept {
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
        failure_ = std::move(failure);
    }
    finishedChanged_.notify_all();
    ::SetEvent(wake_.Get());
}

bool TransferState::Cancelled() const noexcept {
    const std::lock_guard lock(mutex_);
    return cancelled_;
}

void TransferState::Cancel() noexcept {
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    ::SetEvent(wake_.Get());
}

TransferState::Taken TransferState::Take() {
    const std::lock_guard lock(mutex_);
    Taken taken;
    taken.events.swap(events_);
    taken.finished = finished_;
    taken.failure = failure_;
    return taken;
}

bool TransferState::WaitFinished(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return finishedChanged_.wait_for(lock, limit, [this] { return finished_; });
}

}  // namespace vitrex::win32
