#pragma once
// The plain reader of the report list file. It reads the form the list's
// own writer produces -- the list's tags, each holding text, an esc="1"
// attribute, the five named entities and character references, blanks and
// line ends of any kind between tags, UTF-8 -- much faster than a general
// XML reader, and gives up on anything else (comments, processing
// instructions, CDATA, other attributes, a malformed or truncated file,
// content the list refuses). The caller then reads the list again with the
// general reader, which accepts every well-formed file and words every
// error; what the plain reader accepts, both read alike.
#include <QByteArray>
#include <QIODevice>

#include "replist/RLFileImage.h"

namespace vyr {

// Reads the list that starts with first (the bytes from "<replist" on of
// the line just read) and goes on at the device's position, which must
// allow seeking. True: image holds the list and the device is left after
// the line of its closing tag. False: the device's position and image are
// undefined.
bool ReadPlainRepListXml(QIODevice& in, const QByteArray& first, TRLFileImage& image);

}  // namespace vyr
