#pragma once

#include <QString>

// Picture: the dialog returns an IMG tag. Background: it returns the
// picture's full path for a BODY tag's BACKGROUND, and hides the options.
enum class ImageDialogMode { Picture, Background };

// The items of "&Image Align", in their order on the form.
enum class PictureAlign { Left, Right, Top, Bottom, Middle, Default };

// What the option controls hold.
struct ImageTagOptions {
    PictureAlign align = PictureAlign::Default;
    bool isMap = false;
    int width = 0;
    int height = 0;
    QString alt;
};

// The caption of an "&Image Align" item ("Left" ... "Default").
QString PictureAlignCaption(PictureAlign align);

// The IMG tag (picture mode) or the BODY tag with BACKGROUND (background
// mode) for `path`, written as the user typed it: nothing is quoted or escaped.
QString MakeImageTag(const QString& path, const ImageTagOptions& options, ImageDialogMode mode);

// What "&Done" hands back for the chosen file (empty when none was chosen):
// in picture mode the tag for the bare file name (`fileNameOnly`) or for
// the address relative to `documentFileName`; in background mode the full
// path, which its caller makes relative itself.
QString ImageDialogResult(const QString& fullFileName, bool fileNameOnly, const QString& documentFileName,
                          const ImageTagOptions& options, ImageDialogMode mode);
