#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"Vitrex", L"Vitrex", MB_OK);
    return 0;
}
