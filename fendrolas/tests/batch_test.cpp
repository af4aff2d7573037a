#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "fendrolas/tests/testfolder.h"

namespace {

struct Outcome {
    int code = -1;
    std::string out, err;
};

// Runs the program in the folder with the given arguments.
Outcome runProgram(const TestFolder& folder, const std::string& arguments) {
    const std::string command = "cd '" + folder.path() + "' && '" FENDROLAS_EXE "' " + arguments +
                                " > stdout.txt 2> stderr.txt";
    const int status = std::system(command.c_str());
    Outcome o;
    o.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    o.out = folder.read("stdout.txt");
    o.err = folder.read("stderr.txt");
    std::filesystem::remove(folder.file("stdout.txt"));
    std::filesystem::remove(folder.file("stderr.txt"));
    return o;
}

void copyExample(const TestFolder& folder, const std::string& name) {
    std::string content;
    common::readWholeFile(EXAMPLES_DIR "/" + name, content);
    folder.write(name, content);
}

}  // namespace

TEST(Batch, OneMethodPrintsTheResultFramesAndWritesItsFiles) {
    TestFolder folder;
    copyExample(folder, "zapata-centrada.dat");
    const Outcome o = runProgram(folder, "--batch zapata-centrada.dat --method 1");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_NE(o.out.find("\n1\t166.7\t1242.4\t7454.3\t7.454\t2.00\t3.00\t6.00\t100.00\n"),
              std::string::npos)
        << o.out;
    EXPECT_NE(o.out.find("\n5\t0.0\t0.0\t0.0\t100000.000\t"), std::string::npos);
    EXPECT_EQ(folder.read("terza.out").substr(0, 24), "1242.382      7454.292\r\n");
    EXPECT_NE(folder.read("res.sal").find(" 1 \r\n"), std::string::npos);
}

TEST(Batch, MessagesGoToStderrInOrder) {
    TestFolder folder;
    folder.write("malo.dat",
                 " 0 0 18 0\r\n0 3 1\r\n-100 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n"
                 "0 0 0 0 0\r\n0 0 0 0 0\r\n");
    const Outcome o = runProgram(folder, "--batch malo.dat --method 1");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.err, "ERROR: El angulo fi y la cohesion c no pueden ser nulos simultaneamente.\n");
    // "Calc. todo" validates before each method; the angle the user typed is kept, so each of
    // the five methods reports it and the zero Lx is never reached.
    const Outcome all = runProgram(folder, "--batch malo.dat --method all");
    EXPECT_EQ(all.code, 0);
    const std::string lx = "ERROR: El angulo fi y la cohesion c no pueden ser nulos";
    EXPECT_EQ(all.err.find("ERROR: El angulo fi"), 0u);
    int lxMessages = 0;
    for (std::size_t at = all.err.find(lx); at != std::string::npos;
         at = all.err.find(lx, at + 1)) {
        ++lxMessages;
    }
    EXPECT_EQ(lxMessages, 5) << all.err;
}

TEST(Batch, AllMethodsThenCompare) {
    TestFolder folder;
    copyExample(folder, "zapata-centrada.dat");
    EXPECT_EQ(runProgram(folder, "--batch --compare").code, 3);
    const Outcome all = runProgram(folder,
                                   "--batch zapata-centrada.dat --method all --alfa1 2.5 "
                                   "--alfa2 3.5 --cc 0.6 --vesic-cc 0.6");
    EXPECT_EQ(all.code, 0) << all.err;
    for (const char* name : {"terza.out", "meyer.out", "hansen.out", "vesic.out", "ccsr.out"}) {
        EXPECT_NE(folder.read(name), "") << name;
    }
    EXPECT_NE(folder.read("res.sal").find(" 5 \r\n"), std::string::npos);

    const Outcome compared = runProgram(folder, "--batch --compare");
    EXPECT_EQ(compared.code, 0) << compared.err;
    EXPECT_NE(compared.out.find("quTable\n"), std::string::npos);
    EXPECT_NE(compared.out.find("NuTable\n"), std::string::npos);
    // A method a line, by name, in the order of their numbers.
    EXPECT_NE(compared.out.find("\nTerzaghi\t1242.382\t0\t0\t0\t0\n"), std::string::npos)
        << compared.out;
    std::size_t at = 0;
    for (const char* name : {"\nTerzaghi\t", "\nMeyerhof\t", "\nBrinch Hansen\t", "\nVesic\t",
                             "\nCCSR Mza87\t", "\nNuTable\n", "\nTerzaghi\t", "\nCCSR Mza87\t"}) {
        at = compared.out.find(name, at);
        ASSERT_NE(at, std::string::npos) << name << '\n' << compared.out;
    }
    EXPECT_NE(compared.out.find("maxQu\t"), std::string::npos);
}

TEST(Batch, MissingComparisonFileIsReported) {
    TestFolder folder;
    const Outcome o = runProgram(folder, "--batch --compare");
    EXPECT_EQ(o.code, 3);
    EXPECT_EQ(o.err,
              " Error :  Uno de los archvos necesarios no se encuentra. Por favor corra todos los "
              "metodos para hacer la comparacion. \n");
    EXPECT_EQ(o.out, "");
}

TEST(Batch, BadDataFileAndBadOptions) {
    TestFolder folder;
    const Outcome missing = runProgram(folder, "--batch nada.dat --method 2");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, "ERROR: Error de datos en el archivo nada.dat .\n");
    EXPECT_EQ(folder.read("res.sal"), "");

    copyExample(folder, "zapata-centrada.dat");
    for (const char* arguments :
         {"--batch zapata-centrada.dat --method 6", "--batch zapata-centrada.dat",
          "--batch zapata-centrada.dat --method", "--batch --method 1",
          "--batch zapata-centrada.dat --method 1 --rapido"}) {
        const Outcome o = runProgram(folder, arguments);
        EXPECT_EQ(o.code, 1) << arguments;
        EXPECT_NE(o.err.find("Uso: fendrolas"), std::string::npos) << arguments;
    }
    EXPECT_EQ(folder.read("res.sal"), "");
}

TEST(Batch, ResultFileThatCannotBeWritten) {
    TestFolder folder;
    copyExample(folder, "zapata-centrada.dat");
    std::filesystem::create_directories(folder.file("res.sal/keep"));
    const Outcome o = runProgram(folder, "--batch zapata-centrada.dat --method 1");
    EXPECT_EQ(o.code, 4);
    EXPECT_EQ(o.err, "ERROR: No se pudo guardar el archivo res.sal\n");
    EXPECT_NE(folder.read("terza.out"), "");
    EXPECT_NE(o.out.find("\n1\t166.7\t1242.4\t"), std::string::npos);
}

TEST(Batch, HelpNeedsNoWindowSystem) {
    TestFolder folder;
    const Outcome o = runProgram(folder, "--help");
    EXPECT_EQ(o.code, 0);
    for (const char* option : {"--method", "--compare", "--alfa1", "--vesic-cc", "--validate",
                               "--report", "--version"}) {
        EXPECT_NE(o.out.find(option), std::string::npos) << option;
    }
}

// Started with no window system the program says so instead of stopping in the toolkit.
TEST(Batch, NoDisplayPointsToTheBatchMode) {
    TestFolder folder;
    const std::string command = "cd '" + folder.path() +
                                "' && env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY '" +
                                FENDROLAS_EXE "' > stdout.txt 2> stderr.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(folder.read("stderr.txt"),
              "La ventana de Fendrolas no esta disponible: no hay pantalla; use el modo por "
              "lotes (fendrolas --help).\n");
}

TEST(Batch, DataTheWindowWouldRefuseComputesNothing) {
    const struct {
        const char* soil;
        const char* message;
    } refused[] = {
        {" 30 -10 18 0", "El campo \"Cohesion c\" no puede ser negativo."},
        {" 30 10 -18 0", "El campo \"Peso especifico suelo seco g\" no puede ser negativo."},
        {" 95 10 18 0",
         "El campo \"Angulo de friccion interna fi\" debe estar entre 0 y 89 grados."},
    };
    for (const auto& r : refused) {
        TestFolder folder;
        folder.write("malo.dat", std::string(r.soil) +
                                     "\r\n2 3 1\r\n100 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n"
                                     "0 0 0 0 0\r\n0 0 0 0 0\r\n");
        const Outcome o = runProgram(folder, "--batch malo.dat --method 1");
        EXPECT_EQ(o.code, 7) << r.soil;
        EXPECT_EQ(o.err, std::string("ERROR: ") + r.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(folder.file("terza.out")));
    }
}
