#pragma once

#include <QImage>

// The pictures the viewer draws itself, made once per run.
// Shown for every IMG while images are off: 32 x 32.
const QImage& ImagesOffPicture();
// Shown for a picture that could not be read: 27 x 30.
const QImage& BrokenImagePicture();
