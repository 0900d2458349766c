// The mmio calls over MmioFile. Handles are checked against the open files, so a closed or
// made-up handle fails instead of touching freed memory.
#include <cerrno>
#include <fcntl.h>
#include <unordered_set>

#include "platform/host/posix/mmio_file.h"
#include "platform/win32.h"

namespace {

std::unordered_set<platform::MmioFile*>& OpenFiles() {
    static std::unordered_set<platform::MmioFile*> files;
    return files;
}

platform::MmioFile* FileOf(HMMIO handle) {
    auto* file = reinterpret_cast<platform::MmioFile*>(handle);
    return OpenFiles().count(file) ? file : nullptr;
}

HMMIO HandleOf(platform::MmioFile* file) {
    return reinterpret_cast<HMMIO>(file);
}

constexpr DWORD kSupportedOpenFlags = MMIO_RWMODE | MMIO_SHAREMODE | MMIO_CREATE | MMIO_ALLOCBUF;

bool DescriptorFlags(DWORD openFlags, int& flags) {
    static const int accessModes[] = {O_RDONLY, O_WRONLY, O_RDWR};
    DWORD access = openFlags & MMIO_RWMODE;
    if ((openFlags & ~kSupportedOpenFlags) || access > MMIO_READWRITE) return false;
    flags = accessModes[access] | O_CLOEXEC;
    // Creating truncates; a file created for reading is opened so that it can be.
    if (openFlags & MMIO_CREATE) flags = (access == MMIO_READ ? O_RDWR : flags) | O_CREAT | O_TRUNC;
    return true;
}

UINT OpenError(int error) {
    if (error == ENOENT) return MMIOERR_FILENOTFOUND;
    if (error == EACCES || error == EPERM) return MMIOERR_ACCESSDENIED;
    return MMIOERR_CANNOTOPEN;
}

bool UsesFileProcedure(const MMIOINFO* info) {
    return !info || (!info->pIOProc && (info->fccIOProc == 0 || info->fccIOProc == FOURCC_DOS));
}

// The buffer asked for: the caller's, one mmio allocates, or none.
MMRESULT InstallOpeningBuffer(platform::MmioFile& file, const MMIOINFO* info, DWORD openFlags) {
    if (info && info->pchBuffer && info->cchBuffer > 0)
        return file.SetBuffer(info->pchBuffer, info->cchBuffer);
    if (openFlags & MMIO_ALLOCBUF) {
        LONG size = info && info->cchBuffer > 0 ? info->cchBuffer : MMIO_DEFAULTBUFFER;
        return file.SetBuffer(nullptr, size);
    }
    return MMSYSERR_NOERROR;
}

HMMIO FailOpen(LPMMIOINFO info, UINT error) {
    if (info) info->wErrorRet = error;
    return nullptr;
}

} // namespace

HMMIO WINAPI mmioOpenA(LPSTR pszFileName, LPMMIOINFO pmmioinfo, DWORD fdwOpen) {
    int flags = 0;
    if (!UsesFileProcedure(pmmioinfo) || !DescriptorFlags(fdwOpen, flags))
        return FailOpen(pmmioinfo, MMSYSERR_NOTSUPPORTED);
    if (!pszFileName) return FailOpen(pmmioinfo, MMIOERR_CANNOTOPEN);
    int descriptor = open(pszFileName, flags, 0666);
    if (descriptor < 0) return FailOpen(pmmioinfo, OpenError(errno));
    auto* file = new platform::MmioFile(descriptor);
    if (MMRESULT error = InstallOpeningBuffer(*file, pmmioinfo, fdwOpen)) {
        delete file;
        return FailOpen(pmmioinfo, error);
    }
    OpenFiles().insert(file);
    if (pmmioinfo) mmioGetInfo(HandleOf(file), pmmioinfo, 0);
    return HandleOf(file);
}

MMRESULT WINAPI mmioClose(HMMIO hmmio, UINT) {
    platform::MmioFile* file = FileOf(hmmio);
    if (!file) return MMSYSERR_INVALHANDLE;
    OpenFiles().erase(file);
    MMRESULT result = file->Close();
    delete file;
    return result;
}

LONG WINAPI mmioSeek(HMMIO hmmio, LONG lOffset, int iOrigin) {
    platform::MmioFile* file = FileOf(hmmio);
    return file ? file->Seek(lOffset, iOrigin) : -1;
}

LONG WINAPI mmioRead(HMMIO hmmio, HPSTR pch, LONG cch) {
    platform::MmioFile* file = FileOf(hmmio);
    return file ? file->Read(pch, cch) : -1;
}

LONG WINAPI mmioWrite(HMMIO hmmio, const char* pch, LONG cch) {
    platform::MmioFile* file = FileOf(hmmio);
    return file ? file->Write(pch, cch) : -1;
}

MMRESULT WINAPI mmioSetBuffer(HMMIO hmmio, LPSTR pchBuffer, LONG cchBuffer, UINT) {
    platform::MmioFile* file = FileOf(hmmio);
    return file ? file->SetBuffer(pchBuffer, cchBuffer) : MMSYSERR_INVALHANDLE;
}

MMRESULT WINAPI mmioGetInfo(HMMIO hmmio, LPMMIOINFO pmmioinfo, UINT) {
    platform::MmioFile* file = FileOf(hmmio);
    if (!file) return MMSYSERR_INVALHANDLE;
    if (!pmmioinfo) return MMSYSERR_INVALPARAM;
    file->GetInfo(*pmmioinfo);
    pmmioinfo->hmmio = hmmio;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI mmioSetInfo(HMMIO hmmio, LPCMMIOINFO pmmioinfo, UINT) {
    platform::MmioFile* file = FileOf(hmmio);
    if (!file) return MMSYSERR_INVALHANDLE;
    return pmmioinfo ? file->SetInfo(*pmmioinfo) : MMSYSERR_INVALPARAM;
}

MMRESULT WINAPI mmioAdvance(HMMIO hmmio, LPMMIOINFO pmmioinfo, UINT fuAdvance) {
    platform::MmioFile* file = FileOf(hmmio);
    if (!file) return MMSYSERR_INVALHANDLE;
    if (pmmioinfo) {
        if (MMRESULT error = file->SetInfo(*pmmioinfo)) return error;
    }
    MMRESULT result = file->Advance(fuAdvance);
    if (pmmioinfo) mmioGetInfo(hmmio, pmmioinfo, 0);
    return result;
}

MMRESULT WINAPI mmioFlush(HMMIO hmmio, UINT fuFlush) {
    platform::MmioFile* file = FileOf(hmmio);
    return file ? file->Flush((fuFlush & MMIO_EMPTYBUF) != 0) : MMSYSERR_INVALHANDLE;
}
