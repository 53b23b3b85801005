// Times from outside how fast another program gives windows their levels: switches the
// foreground between two windows of this program at random moments and measures how long it
// takes until both carry their levels (the new foreground `--active`, the other `--inactive`),
// then opens new windows and measures how long each stays unlayered from its creation. Prints
// the mean, the 95th percentile and the worst of each, in milliseconds:
//   switch n=40 mean=5.1 median=4.8 p95=9.8 max=11.0 timeouts=0
//   create n=30 mean=6.0 median=5.5 p95=11.2 max=12.4 timeouts=0
//   shown n=30 mean=2.0 median=1.5 p95=7.2 max=8.4 timeouts=0
//   create-noactivate n=30 ...  and  shown-noactivate n=30 ...
// ("shown": the same windows, timed from the end of their ShowWindow call; "-noactivate": windows
// created with WS_EX_NOACTIVATE and shown with SW_SHOWNOACTIVATE, which must get the inactive level)
//   vtxlatency.exe [--switches N] [--creates N] [--period MS] [--timeout MS] [--warmup N]
//                  [--active A] [--inactive A] [--samples 1] [--checks-in-thread 1]
// The moments are spread evenly over `--period` (the policy tick's), so a tick-bound program
// shows about half a period on average. The windows' messages are pumped all the time, since
// another program changing their style waits for their thread to answer. A second thread looks
// at the windows every millisecond meanwhile, so the moment they carry their levels is not held
// back by the pumping thread's own work: that thread answers every request waiting for it before
// it could look again, and a program that sets two windows in turn has it answer both. With
// `--checks-in-thread 1` the pumping thread looks between its rounds instead, as it once did.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <random>
#include <thread>
#include <vector>

namespace {

int activeAlpha = 229;
int inactiveAlpha = 191;
bool checksInThread = false;

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Waits about 1 ms, or less when a message comes.
void PumpBriefly() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    Pump();
}

void PumpFor(double ms) {
    const double end = NowMs() + ms;
    while (NowMs() < end)
        PumpBriefly();
}

// The window's alpha; -1 when it is not layered or has no alpha.
int AlphaOf(HWND window) {
    if ((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) return -1;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) return -1;
    return alpha;
}

// Milliseconds until `done` holds, or -1 after `timeoutMs`.
template <typename Done>
double TimeUntil(double start, double timeoutMs, Done done) {
    for (;;) {
        if (done()) return NowMs() - start;
        if (NowMs() - start > timeoutMs) return -1;
        PumpBriefly();
    }
}

// A second thread that looks at the windows every millisecond (see the top of the file). It is
// started once: a new thread's start under Wine takes milliseconds and holds the loader lock.
class Checker {
public:
    Checker() : thread_([this] { Run(); }) {}
    ~Checker() {
        quit_ = true;
        thread_.join();
    }
    // Milliseconds until `done` holds, or -1 after `timeoutMs`, as this thread sees it.
    double TimeUntil(double start, double timeoutMs, std::function<bool()> done) {
        done_ = std::move(done);
        start_ = start;
        timeoutMs_ = timeoutMs;
        seen_ = kLooking;
        asked_ = true;
        while (asked_ || seen_ == kLooking)
            PumpBriefly();
        return seen_;
    }

private:
    static constexpr double kLooking = -2;

    void Run() {
        while (!quit_) {
            if (asked_) {
                if (done_()) {
                    seen_ = NowMs() - start_;
                    asked_ = false;
                } else if (NowMs() - start_ > timeoutMs_) {
                    seen_ = -1;
                    asked_ = false;
                }
            }
            Sleep(1);
        }
    }

    std::function<bool()> done_;
    double start_ = 0;
    double timeoutMs_ = 0;
    std::atomic<double> seen_{kLooking};
    std::atomic<bool> asked_{false};
    std::atomic<bool> quit_{false};
    std::thread thread_;
};

template <typename Done>
double TimeUntilSeen(Checker& checker, double start, double timeoutMs, Done done) {
    return checksInThread ? TimeUntil(start, timeoutMs, done) : checker.TimeUntil(start, timeoutMs, done);
}

HWND Open(HINSTANCE instance, const wchar_t* title, int x, bool show, DWORD exStyle = 0,
          int showCommand = SW_SHOW) {
    const HWND window = CreateWindowExW(exStyle, L"VtxLatency", title, WS_OVERLAPPEDWINDOW, x, 100, 240, 160,
                                        nullptr, nullptr, instance, nullptr);
    if (show) ShowWindow(window, showCommand);
    return window;
}

struct Figures {
    std::vector<double> samples;
    int timeouts = 0;
};

void Print(const char* name, Figures figures, bool withSamples) {
    std::vector<double>& s = figures.samples;
    std::sort(s.begin(), s.end());
    double sum = 0;
    for (double value : s)
        sum += value;
    const double mean = s.empty() ? 0 : sum / static_cast<double>(s.size());
    // The nearest-rank percentile.
    const double p95 = s.empty() ? 0 : s[std::min(s.size() - 1, (s.size() * 95 + 99) / 100 - 1)];
    const double worst = s.empty() ? 0 : s.back();
    const double median = s.empty() ? 0 : s[s.size() / 2];
    std::printf("%s n=%zu mean=%.1f median=%.1f p95=%.1f max=%.1f timeouts=%d\n", name, s.size(), mean,
                median, p95, worst, figures.timeouts);
    if (withSamples) {
        std::printf("%s samples:", name);
        for (double value : s)
            std::printf(" %.1f", value);
        std::printf("\n");
    }
    std::fflush(stdout);
}

}  // namespace

int wmain() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    int switches = 40, creates = 30, periodMs = 100, timeoutMs = 1000, warmup = 3;
    bool withSamples = false;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; i + 1 < argc; i += 2) {
        const int value = _wtoi(argv[i + 1]);
        if (std::wcscmp(argv[i], L"--switches") == 0) switches = value;
        if (std::wcscmp(argv[i], L"--creates") == 0) creates = value;
        if (std::wcscmp(argv[i], L"--period") == 0) periodMs = value;
        if (std::wcscmp(argv[i], L"--timeout") == 0) timeoutMs = value;
        if (std::wcscmp(argv[i], L"--warmup") == 0) warmup = value;
        if (std::wcscmp(argv[i], L"--active") == 0) activeAlpha = value;
        if (std::wcscmp(argv[i], L"--inactive") == 0) inactiveAlpha = value;
        if (std::wcscmp(argv[i], L"--samples") == 0) withSamples = value != 0;
        if (std::wcscmp(argv[i], L"--checks-in-thread") == 0) checksInThread = value != 0;
    }
    LocalFree(argv);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = L"VtxLatency";
    RegisterClassW(&windowClass);

    const HWND pair[2] = {Open(instance, L"Latency A", 100, true), Open(instance, L"Latency B", 400, true)};
    // The window manager may hand the foreground back to B, which took it a moment ago: asked
    // again until it holds.
    PumpFor(300);
    const double start = NowMs();
    if (TimeUntil(start, 10000, [&] {
            if (GetForegroundWindow() != pair[0]) SetForegroundWindow(pair[0]);
            return AlphaOf(pair[0]) == activeAlpha && AlphaOf(pair[1]) == inactiveAlpha;
        }) < 0) {
        std::printf("error: the two windows never got their levels (%d, %d)\n", AlphaOf(pair[0]),
                    AlphaOf(pair[1]));
        return 1;
    }

    Checker checker;
    std::mt19937 random(12345);
    Figures switchFigures;
    for (int trial = -warmup, target = 1; trial < switches; ++trial, target ^= 1) {
        // Even phases over the period, in a shuffled order.
        PumpFor(std::uniform_real_distribution<double>(0, periodMs)(random));
        const HWND to = pair[target], from = pair[target ^ 1];
        const double t0 = NowMs();
        SetForegroundWindow(to);
        const double ms = TimeUntilSeen(checker, t0, timeoutMs, [&] {
            return GetForegroundWindow() == to && AlphaOf(to) == activeAlpha &&
                   AlphaOf(from) == inactiveAlpha;
        });
        if (trial < 0) continue;
        if (ms < 0) {
            ++switchFigures.timeouts;
        } else {
            switchFigures.samples.push_back(ms);
        }
    }
    Print("switch", switchFigures, withSamples);

    // Under load Wine itself may take tens of milliseconds to create and show a window: the time
    // from the end of ShowWindow is the part the program under test can change. New windows come
    // in two kinds: one that takes the foreground (its level is the active one), and one shown
    // without activation, as a notification or a program started in the background is (it keeps
    // the inactive level, and no foreground change announces it).
    struct Kind {
        const char* created;
        const char* shown;
        DWORD exStyle;
        int showCommand;
        int alpha;  // -1: any level
    };
    const Kind kinds[] = {
        {"create", "shown", 0, SW_SHOW, -1},
        {"create-noactivate", "shown-noactivate", WS_EX_NOACTIVATE, SW_SHOWNOACTIVATE, inactiveAlpha},
    };
    for (const Kind& kind : kinds) {
        Figures createFigures, shownFigures;
        for (int trial = 0; trial < creates; ++trial) {
            PumpFor(std::uniform_real_distribution<double>(0, periodMs)(random));
            const double t0 = NowMs();
            const HWND window = Open(instance, L"Latency new", 250, true, kind.exStyle, kind.showCommand);
            const double shown = NowMs();
            const double ms = TimeUntilSeen(checker, t0, timeoutMs, [&] {
                const int alpha = AlphaOf(window);
                return kind.alpha < 0 ? alpha >= 0 : alpha == kind.alpha;
            });
            if (ms < 0) {
                ++createFigures.timeouts;
                ++shownFigures.timeouts;
            } else {
                createFigures.samples.push_back(ms);
                shownFigures.samples.push_back(std::max(0.0, t0 + ms - shown));
            }
            DestroyWindow(window);
            PumpFor(20);
        }
        Print(kind.created, createFigures, withSamples);
        Print(kind.shown, shownFigures, withSamples);
    }
    for (HWND window : pair)
        DestroyWindow(window);
    return 0;
}
