#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// The data files one action writes, written together: every file is read
// and its new contents made first, then commit() writes them all or none.
// A crash or power cut in the middle leaves the files as they were, or, once
// the batch was committed, with a note that lets recover() finish it: each
// new file is written beside its file under a hidden name and flushed to the
// disk with its name, the note naming them is written over the folder's
// last one and flushed (the commit), then they replace their files, and the
// files the batch removes go. The note stays, hidden, until the next batch
// or recover(); that of a batch that removes files goes once they are gone.
// A note the power cut short commits nothing: it carries the digest of what
// it names.
// While a batch lives it holds the folder's lock, so two copies of the
// program never save into one folder at once.
class FileBatch
{
public:
    // Makes a file's new contents from its contents.
    using Make = std::function<QByteArray(const QByteArray &before)>;
    // A file's contents and the form they were checked to stand in: a name
    // the make that checked them chooses, empty when they are not known to
    // stand in any.
    struct Checked
    {
        QByteArray bytes;
        QByteArray form;
    };
    // Makes a file's new contents from its contents and their form. The
    // contents this program last wrote into a file in a form come to the
    // next save's make with that form when the file still holds them, byte
    // for byte (compared as it is read): the make need not check them again.
    using MakeChecked = std::function<Checked(const QByteArray &before, QByteArrayView form)>;
    // A check of a whole file a make presumed to pass: true when it does.
    using Check = std::function<bool()>;
    // Whether commit() is making a file on this thread: a make it runs may
    // then presume that a check of the whole file passes and leave that check
    // to deferCheck(), instead of running it first.
    static bool checksDeferred();
    // Leaves `check` to commit(), which runs it once the file's new contents
    // go to the disk, so that the disk writes them meanwhile; in a folder
    // held in memory the check of a file large enough to be checked in parts
    // starts at once on another thread instead, while the file is made and
    // written (so it must share nothing with the rest of the make that
    // either changes). When it fails, commit() makes the file again, every
    // make checking at once, and writes that instead. False, and nothing
    // left, when commit() is not making a file on this thread: the make
    // checks at once itself.
    static bool deferCheck(Check check);

    // The note of a committed batch, in the folder of its first file.
    static const QString kCommitFileName; // ".pulsar-commit"
    // The file a folder is locked through while a batch saves there.
    static const QString kLockFileName; // ".pulsar-lock"

    FileBatch();
    ~FileBatch();
    FileBatch(const FileBatch &) = delete;
    FileBatch &operator=(const FileBatch &) = delete;

    // The file's contents as the batch will leave it: what was staged for it,
    // else its bytes now (a missing file reads as empty). Throws
    // RecordFileError when it cannot be read.
    QByteArray read(const QString &path);

    // Stages the whole new contents of the file.
    void write(const QString &path, const QByteArray &bytes);
    // Stages `lines` after the file's contents; when its last line has no
    // line end, the new lines start on a line of their own. A byte-order
    // mark at the start of the file, which the record reader skips, is
    // dropped.
    void append(const QString &path, const QByteArray &lines);
    // Stages an empty file where none exists; an existing file keeps its
    // contents.
    void create(const QString &path);
    // Stages the file's new contents as `make` gives them from its
    // contents. commit() reads the file and runs `make` (so `make` must use
    // only its argument and what it holds, which may be gone by then); a
    // RecordFileError it throws goes on to the caller of commit(), and
    // nothing is written.
    void transform(const QString &path, Make make);
    // The same, with the contents' forms.
    void transformChecked(const QString &path, MakeChecked make);
    // Stages the deletion of the file, carried out with the batch's other
    // files: all or none. A file that is not there is no error; a symbolic
    // link is removed itself, never the file it names. The file reads as
    // empty from then on in the batch, and a later write, append, create or
    // transform of it stages new contents instead.
    void remove(const QString &path);
    // Each of the above first takes the folder's lock and finishes a batch an
    // earlier run committed there, so that this one starts from the files as
    // that one left them; it throws RecordFileError when it cannot.

    // Writes every staged file whose contents change, all or none. Throws
    // RecordFileError when a file cannot be read, made or written, or when
    // a name is longer than its file system takes; the files are then as
    // they were. A new file gets the permissions the umask gives, a file
    // that exists keeps its own. Nothing is committed that cannot be
    // finished: every name is checked and every new file written first.
    // Only when a file still cannot be replaced after the commit, or the
    // note could be neither written nor cleared, is it the Unfinished
    // error: the save is kept, and the next batch or start finishes it or
    // gives it up.
    // The files staged for removal go once every file is replaced; one that
    // cannot be removed (a folder in its place, a folder that cannot be
    // written) refuses the batch before anything is written, and one that
    // still cannot be removed after the commit is the Unfinished error
    // naming it.
    void commit();

    // What recover() found in a folder.
    struct Recovery
    {
        // A committed batch could not be finished, so it was given up: the
        // note is gone and the folder takes new batches again.
        bool givenUp = false;
        // A committed batch could not be finished nor given up (its folder
        // could not be locked or written): the next start tries again.
        bool kept = false;
        // Something other than a file stands where every save keeps its
        // note (kCommitFileName): no save there can go on until it goes.
        bool notAFile = false;
        QStringList saved;   // files of the given-up batch that hold its new contents (or are removed)
        QStringList unsaved; // files of it that kept their old contents (or were not removed)
        QString why;         // why they could not be replaced
        bool ok() const { return !givenUp && !kept && !notAFile; }
    };

    // Finishes a batch of `folder` that was committed but not carried out
    // to its end, and clears what an uncommitted one left. Run before the
    // folder's files are read, at the start. A committed batch whose files
    // still cannot be replaced is given up, so that it never stops the
    // saves after it.
    static Recovery recoverFolder(const QString &folder);
    // The same; false when a committed batch could not be finished.
    static bool recover(const QString &folder) { return recoverFolder(folder).ok(); }

    // Keeps the forms this run knows of the files of `folder` (those it
    // wrote last, those the last run kept of files it left alone) in the
    // folder's hidden file (KeptForms), so that the next run's first saves
    // need not check those files record by record when they are still as
    // they were. Run as the program ends; recoverFolder(), at the next start,
    // takes them up. Nothing is lost when they cannot be kept: the next run
    // checks every file as it would anyway.
    static void keepForms(const QString &folder);
    // Forgets what this run knows of the files it wrote and of the notes it
    // carried out, as the next run of the program starts with nothing: for
    // tests and measurements.
    static void forgetThisRun();

private:
    struct Change
    {
        QString path;   // as the caller names it, for messages
        QString target; // the file itself, a symbolic link followed
        bool loaded = false;
        bool existed = false;
        bool linked = false; // `path` is a symbolic link
        bool regular = false; // `path` was a regular file when first named
        unsigned mode = 0;   // the file's type and permissions when it was read
        qint64 sizeSeen = 0; // its size when first named (0 when there was none)
        QByteArray before;
        QByteArray after;
        bool staged = false;
        QList<MakeChecked> makes; // to run on `after`, in order
        QByteArray form;          // the form `after` stands in, when known
        bool removed = false; // staged to be deleted
    };
    Change &changeOf(const QString &path);
    static void load(Change &c);
    static void make(Change &c);
    // A check a make left, to be run (or finished, when it was started at
    // once on another thread) by run(): true when it passes.
    class LeftCheck;
    // Where the makes commit() runs on this thread leave their checks, and
    // whether those start at once; no checks when it is not making a file.
    struct Deferring
    {
        std::vector<LeftCheck> *checks = nullptr;
        bool started = false;
    };
    static thread_local Deferring t_deferred;
    // make() of `c`, loaded and as `unmade` holds it, letting its makes
    // leave their checks in `checks`; when one refuses meanwhile, `c` is
    // made again from `unmade`, every make checking at once.
    static void makeDeferring(Change &c, const Change &unmade, std::vector<LeftCheck> &checks);

    QList<Change> m_changes;
    // The folders of the files the folder's note names: each is flushed
    // before a new note is written over it (flushNoteFolders(), but those
    // `flushed` already; it throws the error naming `shownPath` when one
    // cannot be).
    QSet<QString> m_noteFolders;
    void flushNoteFolders(const QString &shownPath, const QSet<QString> &flushed = {}) const;
    class FolderLock;
    class Written;
    std::unique_ptr<FolderLock> m_lock;
};
