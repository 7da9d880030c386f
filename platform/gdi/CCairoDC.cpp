#include "platform/gdi/CCairoDC.h"

#include "platform/files/PosixIo.h"
#include "platform/gdi/CairoDrawing.h"

#include <cairo-pdf.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CCairoDC, CDC)

CCairoDC::CCairoDC(const DcDevice& device, Target output, const std::string& target)
    : m_output(output), m_target(target)
{
    SetDevice(device);
}

CCairoDC::~CCairoDC() { Close(true); }

void CCairoDC::Close(bool removeTemporary)
{
    if (m_cr)
        cairo_destroy(m_cr);
    if (m_surface)
        cairo_surface_destroy(m_surface);
    m_cr = nullptr;
    m_surface = nullptr;
    if (removeTemporary && !m_temporary.empty())
        unlink(m_temporary.c_str());
    m_temporary.clear();
}

void CCairoDC::StartDrawing(cairo_surface_t* surface, double scale)
{
    m_cr = cairo_create(surface);
    cairo_scale(m_cr, scale, scale);
    cairo_translate(m_cr, GetDevice().offset.x, GetDevice().offset.y);
}

void CCairoDC::PageSize(double& width, double& height) const
{
    const DcDevice& device = GetDevice();
    const double points = 72.0 / device.dpi, pointsPerMm = 72.0 / 25.4;
    width = device.paperMm[0] > 0 ? device.paperMm[0] * pointsPerMm : device.paper.cx * points;
    height = device.paperMm[1] > 0 ? device.paperMm[1] * pointsPerMm : device.paper.cy * points;
}

void CCairoDC::OnResetDC()
{
    if (m_output != Pdf || !m_surface)
        return;
    double width, height;
    PageSize(width, height);
    cairo_pdf_surface_set_size(m_surface, width, height);
}

int CCairoDC::OnStartDoc(const DOCINFO& info)
{
    m_pictures.clear();
    m_pageCount = 0;
    if (m_output == Png)
        return access(FolderOf(m_target).c_str(), W_OK) == 0 ? CDC::OnStartDoc(info) : SP_ERROR;
    std::string name = m_target + ".XXXXXX";
    int fd = mkstemp(name.data());
    if (fd < 0)
        return SP_ERROR;
    close(fd);
    m_temporary = name;
    double width, height;
    PageSize(width, height);
    m_surface = cairo_pdf_surface_create(name.c_str(), width, height);
    if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS) {
        Close(true);
        return SP_ERROR;
    }
    return CDC::OnStartDoc(info);
}

int CCairoDC::OnStartPage()
{
    if (m_output == Pdf) {
        StartDrawing(m_surface, 72.0 / GetDevice().dpi);
        return 1;
    }
    const SIZE paper = GetDevice().paper;
    m_surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, paper.cx, paper.cy);
    if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS) {
        Close(false);
        return SP_ERROR;
    }
    StartDrawing(m_surface, 1.0);
    cairo_save(m_cr);
    cairo_set_source_rgb(m_cr, 1, 1, 1);
    cairo_paint(m_cr);
    cairo_restore(m_cr);
    return 1;
}

int CCairoDC::OnEndPage()
{
    if (!m_cr)
        return SP_ERROR;
    ++m_pageCount;
    if (m_output == Pdf) {
        cairo_show_page(m_cr);
        cairo_destroy(m_cr);
        m_cr = nullptr;
        return cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS ? 1 : SP_ERROR;
    }
    std::string picture = m_target + std::to_string(m_pageCount) + ".png";
    std::string temporary = picture + ".part";
    bool written = cairo_surface_write_to_png(m_surface, temporary.c_str()) == CAIRO_STATUS_SUCCESS &&
                   std::rename(temporary.c_str(), picture.c_str()) == 0;
    Close(false);
    if (!written) {
        unlink(temporary.c_str());
        return SP_ERROR;
    }
    m_pictures.push_back(picture);
    return 1;
}

int CCairoDC::OnEndDoc()
{
    if (m_output == Png)
        return 1;
    cairo_surface_finish(m_surface);
    bool finished = cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS;
    std::string temporary = m_temporary;
    Close(false);
    if (!finished || std::rename(temporary.c_str(), m_target.c_str()) != 0) {
        unlink(temporary.c_str());
        return SP_ERROR;
    }
    return 1;
}

void CCairoDC::OnAbortDoc()
{
    Close(true);
    for (const std::string& picture : m_pictures)
        unlink(picture.c_str());
    m_pictures.clear();
}

void CCairoDC::Output(const DcOutput& output)
{
    if (m_cr)
        CairoDrawing(m_cr, *this).Draw(output);
}

double CCairoDC::AscentShare(const LOGFONT& font) const { return CairoDrawing::AscentShare(font); }
