// quillmark-cli: the headless companion of the editor.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("Usage: quillmark-cli COMMAND ...");
        return 0;
    }
    std::fputs("Usage: quillmark-cli COMMAND ...\n", stderr);
    return 2;
}
