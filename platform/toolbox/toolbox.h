#pragma once

// The programmer's toolbox of the platform layer.

// 1 when a file (not a directory) exists under the path, else 0. When `fileSize` is given it
// receives the file's size in bytes, or -1 when there is no such file.
int FileExists(const char* pathName, int* fileSize);
// Writes a bitmap as an uncompressed Windows BMP file (24 bits a pixel, rows bottom-up),
// creating or replacing it. Transparent parts are laid on white. 0 on success, negative on
// failure (bad handle, file not written). A file not written whole is removed, and errno then
// says why (ENOSPC for a full disk).
int SaveBitmapToFile(const char* fileName, int bitmap);
