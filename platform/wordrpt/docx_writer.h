#pragma once

// Office Open XML for the driver's documents: the parts of a .docx package, zipped.
#include <string>
#include <vector>

#include "platform/wordrpt/document_model.h"

namespace wordrpt {

// Word's colour of a colour index 0..16 as "RRGGBB", or "auto" for 0.
const char* ColorOfIndex(int index);

// The whole package in memory; 0 or a negative error code.
int WriteDocx(const Document& doc, std::vector<unsigned char>* package);

}  // namespace wordrpt
