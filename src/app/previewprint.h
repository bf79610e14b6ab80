#pragma once

class Prompts;
class QPrinter;
class THTMLViewer;

// The Print button of the preview: the print dialog (printer or PDF file,
// pages), then the shown document on paper. Nothing happens while the
// preview is loading or when the dialog is cancelled.
void PrintPreview(THTMLViewer& viewer, QPrinter& printer, Prompts& prompts);
