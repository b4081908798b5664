// Saving the memory image as a raw image file (.hex) and opening one, with the program's
// messages, flags, error-log entries and pause; the image save encodes the document first.
#pragma once

#include <string>

#include "files/file_host.h"
#include "files/image_file.h"
#include "model/document.h"

namespace kol {

// Writes the image as it stands; the previous file stays intact when that fails
// ("FileSave Error!!", cancel flag set; the error flag is left as it was).
bool SaveHexFileAs(const std::string& path, Document& document, FileHost& host);

// The image save command: encodes the document and prepares the image exactly as
// programming the radio does, then writes it.
bool SaveImageFile(const std::string& path, Document& document, FileHost& host);

// Reads an image file into the document and decodes it, with the update lock held while
// the file is read and the pause after it (none for a file refused by its length before it
// was read). On any refusal the document is left as it was; the caller says why.
ImageFileResult LoadImageIntoDocument(const std::string& path, Document& document,
                                      FileHost& host);

// The open image command's read: LoadImageIntoDocument with the messages. A file of another length ("bad
// file!!"), of another model ("ModelType Error !!") or that cannot be read ("FileRead
// Error!!") changes nothing and sets the error flag. The document path is left to the caller.
bool ReadHexFileAs(const std::string& path, Document& document, FileHost& host);

}  // namespace kol
