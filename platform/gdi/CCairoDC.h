// A device context that draws with cairo and pango: into a PDF file, one page for each
// StartPage and EndPage, vector, its fonts embedded; or into PNG pictures, one for each page, on
// white paper. It is set up as a printer or a screen (DcDevice); its device units are the
// device's pixels, and the picture or page is the device's whole paper.
//
// A PDF is written to a temporary name beside its target and renamed at EndDoc, so that a failed
// or aborted document leaves no file and a finished one replaces an older file whole. Pictures
// are named <prefix><page number>.png (from 1), each written whole at its EndPage; an aborted
// document removes the pictures it wrote.
#pragma once

#include "platform/wnd/CDC.h"

#include <cairo.h>

#include <string>
#include <vector>

class CCairoDC : public CDC {
public:
    DECLARE_DYNAMIC(CCairoDC)
    enum Target { Pdf, Png };
    // target: the PDF file, or the pictures' prefix (a Linux path, UTF-8).
    CCairoDC(const DcDevice& device, Target output, const std::string& target);
    ~CCairoDC() override;

    // The pictures written by the document so far.
    const std::vector<std::string>& GetPictures() const { return m_pictures; }

protected:
    void Output(const DcOutput& output) override;
    int OnStartDoc(const DOCINFO& info) override;
    int OnStartPage() override;
    int OnEndPage() override;
    int OnEndDoc() override;
    void OnAbortDoc() override;
    double AscentShare(const LOGFONT& font) const override;
    // The pages that follow take the device's new paper.
    void OnResetDC() override;

private:
    // The device's paper in PDF points.
    void PageSize(double& width, double& height) const;
    // Drops the surface and the cairo context; removes the temporary PDF when asked.
    void Close(bool removeTemporary);
    // The cairo context of a new page, its user space in device units from the printable area.
    void StartDrawing(cairo_surface_t* surface, double scale);

    Target m_output;
    std::string m_target;
    std::string m_temporary;
    cairo_surface_t* m_surface = nullptr;
    cairo_t* m_cr = nullptr;
    int m_pageCount = 0;
    std::vector<std::string> m_pictures;
};
