#pragma once

namespace greenfold {

// Registers the built-in pictures and help pages. The windows call it before they load
// a picture, so the resources are there in the program and in every test alike.
void initresources();

} // namespace greenfold
