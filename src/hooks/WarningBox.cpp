#include "hooks/WarningBox.h"

#include "hooks/HookLog.h"

#include <QMessageBox>
#include <QStringDecoder>
#include <QWidget>

#include <cstring>

WarningBox::WarningBox(QWidget* captionSource, QObject* parent)
    : QObject(parent)
    , m_captionSource(captionSource)
    , m_presenter([this](const QString& caption, const QString& text) { showMessageBox(caption, text); })
{
}

WarningBox::~WarningBox()
{
    delete m_box;
}

std::optional<QString> WarningBox::warningText(const CopyData& data)
{
    if (data.dwData != kTag)
        return std::nullopt;
    if (data.cbData > 0 && !data.lpData)
        return std::nullopt;
    const auto* bytes = static_cast<const char*>(data.lpData);
    if (data.cbData > 0 && std::memchr(bytes, '\0', data.cbData))
        return std::nullopt;
    // A leading byte-order mark stays part of the text, so the lengths still agree.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(QByteArrayView(bytes, static_cast<qsizetype>(data.cbData)));
    if (decoder.hasError() || text.toUtf8().size() != static_cast<qsizetype>(data.cbData))
        return std::nullopt;
    return text;
}

void WarningBox::copyDataCallback(const CopyData* data, void* context)
{
    if (context && data)
        static_cast<WarningBox*>(context)->handle(data);
}

bool WarningBox::handle(const CopyData* data)
{
    const std::optional<QString> text = warningText(*data);
    if (!text)
        return false;
    if (m_open) {
        ++m_dropped;
        qCInfo(lcHooks, "A warning arrived while another was shown; dropped");
        return false;
    }
    m_open = true;
    m_presenter(m_captionSource ? m_captionSource->windowTitle() : QString(), *text);
    return true;
}

void WarningBox::boxClosed()
{
    m_open = false;
}

void WarningBox::showMessageBox(const QString& caption, const QString& text)
{
    // Not exec(): a nested event loop inside the socket's read handler would let the
    // next message re-enter it. The box is modal all the same.
    auto* box = new QMessageBox(QMessageBox::Warning, caption, text, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, &WarningBox::boxClosed);
    m_box = box;
    box->show();
}
