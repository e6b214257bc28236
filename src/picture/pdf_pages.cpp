#include "picture/pdf_pages.hpp"

#include <memory>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <stdexcept>
#include <vector>

namespace ugraph {

Result<> join_pdf_documents(std::span<const std::string> documents, std::string& out) {
    try {
        QPDF joined;
        joined.emptyPDF();
        QPDFPageDocumentHelper pages(joined);
        // The pages copied in refer to their documents until the writing.
        std::vector<std::unique_ptr<QPDF>> read;
        read.reserve(documents.size());
        for (const std::string& document : documents) {
            auto one = std::make_unique<QPDF>();
            one->processMemoryFile("picture", document.data(), document.size());
            for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(*one).getAllPages()) {
                pages.addPage(page, false);
            }
            read.push_back(std::move(one));
        }
        QPDFWriter writer(joined);
        writer.setOutputMemory();
        writer.setStaticID(true);  // the same graphs give the same bytes
        writer.write();
        const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
        out.append(reinterpret_cast<const char*>(bytes->getBuffer()), bytes->getSize());
        return Done{};
    } catch (const std::exception& failure) {
        return refused(std::string("the pages could not be joined into one PDF (") +
                       failure.what() + ")");
    }
}

}  // namespace ugraph
