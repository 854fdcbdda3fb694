#pragma once
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QDialog;
class QWidget;

// A printable document as the student list knows it: a caption for its button, a preview
// window it can create, and the fill of that window for one student.
class THandlerFormularDePrintat
{
public:
    explicit THandlerFormularDePrintat(QString caption) : Caption(std::move(caption)) {}
    virtual ~THandlerFormularDePrintat() = default;
    virtual QDialog *CreatePreview(QWidget *owner) = 0;
    virtual void FillPreview(QDialog *fereastra, int idElev) = 0;

    QString Caption;
};

// The documents of the program, in registration order; one list for the process.
class TListaHandlerFormularDePrintat
{
public:
    static TListaHandlerFormularDePrintat &Instanta();
    void RegisterHandler(std::unique_ptr<THandlerFormularDePrintat> handler);
    int Count() const { return int(m_handlere.size()); }
    THandlerFormularDePrintat *HandlerAt(int i) const { return m_handlere.at(size_t(i)).get(); }
    // Only for tests that need another set of documents.
    void Goleste() { m_handlere.clear(); }

private:
    std::vector<std::unique_ptr<THandlerFormularDePrintat>> m_handlere;
};

// The student a preview window currently shows; one per window.
class TVariabileFormular : public QObject
{
    Q_OBJECT
public:
    explicit TVariabileFormular(QObject *owner) : QObject(owner) {}
    int IdElev = -1;
    // The window's one instance, created when missing.
    static TVariabileFormular *Din(QObject *fereastra, bool creeaza);
};
