// eject.dll: ejects the media of one drive. Eject(drive number, letter code)
// takes the drive both ways (1 and 'A' for A:) and acts only when the two
// agree. The volume is locked and dismounted first, so that no program keeps
// writing to media that is leaving; a volume in use is still ejected when the
// lock cannot be had, as the user asked for it. Answers 1 when the media was
// ejected, else 0.
#include <windows.h>
#include <winioctl.h>

namespace {

constexpr int kLockTries = 10;
constexpr DWORD kLockPauseMs = 100;

bool Control(HANDLE volume, DWORD code, void* input = nullptr, DWORD inputSize = 0) {
    DWORD returned = 0;
    return DeviceIoControl(volume, code, input, inputSize, nullptr, 0, &returned, nullptr) != FALSE;
}

bool LockVolume(HANDLE volume) {
    for (int i = 0; i < kLockTries; ++i) {
        if (Control(volume, FSCTL_LOCK_VOLUME)) return true;
        Sleep(kLockPauseMs);
    }
    return false;
}

HANDLE OpenVolume(char letter) {
    char path[] = "\\\\.\\?:";
    path[4] = letter;
    return CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

}  // namespace

extern "C" __declspec(dllexport) int WINAPI Eject(short driveNumber, BYTE letterCode) {
    if (driveNumber < 1 || driveNumber > 26) return 0;
    const char letter = static_cast<char>('A' + driveNumber - 1);
    if (letterCode != static_cast<BYTE>(letter) && letterCode != static_cast<BYTE>(letter + ('a' - 'A'))) return 0;
    HANDLE volume = OpenVolume(letter);
    if (volume == INVALID_HANDLE_VALUE) return 0;
    const bool locked = LockVolume(volume);
    if (locked) Control(volume, FSCTL_DISMOUNT_VOLUME);
    PREVENT_MEDIA_REMOVAL allow{};
    allow.PreventMediaRemoval = FALSE;
    Control(volume, IOCTL_STORAGE_MEDIA_REMOVAL, &allow, sizeof allow);
    const bool ejected = Control(volume, IOCTL_STORAGE_EJECT_MEDIA);
    if (locked) Control(volume, FSCTL_UNLOCK_VOLUME);
    CloseHandle(volume);
    return ejected ? 1 : 0;
}
