#include "windows/example_gallery.h"

namespace vork {

const std::array<GalleryPage, 6> kGalleryPages = {{
    {{"Vazão/Pressão", "Flow/Pressure"},
     {{
         GalleryExample{
             "sim18",
             "18",
             {"Vazão em Duto", "Basic flow loop"},
             {"Controle retroalimentado\nResposta a variação no SP e variação de carga.",
              "Feedback control\n\nLoad and SP-Change response"},
             "Resposta de malha de controle de vazão a variação em SP e variação de carga."},
         GalleryExample{
             "sim17",
             "17",
             {"Tubulação com By-pass", "Pipeline with Bypass"},
             {"Controle \"Grosso-Fino\".\nMelhoria de rangeabilidade e resolução em malha de "
              "vazão com acionamento simultâneo de duas válvulas.",
              "Course-Fine Control\n\nResolution and rangeability improvement in flow loop with "
              "course-valve and fine-valve manipulation"},
             "Melhoria de rangeabilidade e resolução em malha de vazão com controle grosso-fino "
             "(course-fine)"},
         GalleryExample{
             "sim8",
             "8",
             {"Pressão Header e 3 Consumidores", "Header pressure with 3 consumers"},
             {"Desacoplamento de malhas consumidoras com regulação de pressão no header (cabeçote "
              "de linha).",
              "Decoupling of line consumers with tight header pressure regulation"},
             "Desacoplamento de malhas consumidoras com regulação de pressão no header (cabeçote "
             "de linha)."},
         GalleryExample{
             "sim9",
             "9",
             {"Processos Não Lineares", "Nonlinear processes"},
             {"Simulação de processos operando com agarramento, histerese e curva não-linear em "
              "válvulas e limitador de aceleração em variador de velocidade",
              "Simulation of processes operating with stiction, hysteresis and non-linear curve "
              "valves and limited variable speed acceleration"},
             "Simulação de processos operando com agarramento, histerese e curva não-linear em "
             "válvulas e limitador de aceleração em variador de velocidade"},
     }}},
    {{"Nível (integrador)", "Level Control"},
     {{
         GalleryExample{"sim5",
                        "5",
                        {"Tanque com Regulação de Nível", "Regulatory level"},
                        {"Controle regulatório em processo integrador\nManipulação de bomba com "
                         "variador de velocidade não-linear (limitação de aceleração)",
                         "Regulatory control in tank with nonlinear variable speed pump"},
                        ""},
         GalleryExample{"sim6",
                        "6",
                        {"Tanque Pulmão", "Surge Tank"},
                        {"Controle médio do nível em caixa de absorção de carga",
                         "Average Level Control applied in surge tank"},
                        ""},
     }}},
    {{"Temperatura", "Temperature"},
     {{
         GalleryExample{"sim11",
                        "11",
                        {"Trocador de Calor", "Heat exchanger"},
                        {"Compensação Direta\nControle de temperatura em trocador de calor com "
                         "compensação direta da temperatura de chegada.",
                         "Temperature control in heat exchanger with feedforward compensation on "
                         "inflow temperature measure."},
                        ""},
         GalleryExample{"sim14",
                        "14",
                        {"Reator com Jaqueta", "Split range control"},
                        {"Controle com Divisão de Faixa\nDivisão de faixa na saída do controlador "
                         "de temperatura em reator com jaqueta de esfriamento e aquecimento",
                         "Split range calculation on controller output of a reactor with heating "
                         "and cooling valves."},
                        ""},
         GalleryExample{"sim12",
                        "12",
                        {"Forno Tubular", "Furnace Temperature"},
                        {"Controle retroalimentado\nResposta a variação de SP e distúrbio em "
                         "degrau (abertura de porta). Aplicação de filtro no transmissor para uso "
                         "de ação derivativa.",
                         "Feedback control and noisy filtering for derivative action"},
                        ""},
         GalleryExample{"sim13",
                        "13",
                        {"Forno Tubular II", "Furnace Temperature(Master-Slave)"},
                        {"Controle Mestre-Escravo\nElo interno para compensação de distúrbios na "
                         "vazão. Resposta a variação de SP e distúrbio em degrau (abertura de "
                         "porta).",
                         "Uses of internal feedback (cascated loop) for flow regulation"},
                        ""},
     }}},
    {{"Multimalha", "Multiloop"},
     {{
         GalleryExample{"sim10",
                        "10",
                        {"Reator", "Reactor"},
                        {"Controle de nível, temperatura e vazão de reator com elo interno e "
                         "compensação direta.",
                         "Level, temperatura and flow control of reactor using internal loop and "
                         "feed forward control."},
                        ""},
         GalleryExample{"sim15",
                        "15",
                        {"Planta de resfriamento", "Cooling plant"},
                        {"Resfriamento de gás com controle de nível, pressão e temperatura.",
                         "Gas cooling with level, pressure and temperature control."},
                        ""},
         GalleryExample{"sim16",
                        "16",
                        {"Torre deetanizadora", "Ethane extraction plant"},
                        {"Controle-médio de nível em vaso separador; controle de temperatura e "
                         "nível de condensado com elo interno e compensação direta; controle de "
                         "pressão de topo.",
                         "Average Level of surge vessel; temperature and level control of "
                         "condensate with cascade and feedforward links; gas pressure control."},
                        ""},
         GalleryExample{"sim1",
                        "1",
                        {"Caldeira industrial", "Industrial Boiler"},
                        {"Controle de nível do tubulão a três elementos; Controle de combustão com "
                         "limites cruzados; Controle de temperatura e vazão do vapor",
                         "Cascade, FeedForward and Boiler Level Control (3-element control); Cross "
                         "Limits Ratio control for combustion; Steam temperature and pressure "
                         "control"},
                        ""},
     }}},
    {{"Combustão", "Combustion"},
     {{
         GalleryExample{"sim3a",
                        "3a",
                        {"Razão Ar/Gas básico", "Basic Ratio Control"},
                        {"Controle da relação Ar/Gas apenas com definição dos SP's. Não há "
                         "proteção contra excesso de gas.",
                         "Application of basic ratio control (no protection againt excess gas)"},
                        ""},
         GalleryExample{"sim3b",
                        "3b",
                        {"Razão Ar/Gás com Limites Cruzados", "Ratio Control with Crossed Limits"},
                        {"Controle da relação Ar/Gas com aplicação de limites cruzados simples "
                         "para segurança contra excesso de gás.",
                         "Application of single crossed limits for security against excess gas"},
                        ""},
         GalleryExample{"sim3c",
                        "3c",
                        {"Razão Ar/Gás com Duplo Limites Cruzados",
                         "Ratio Control with Double Crossed Limits"},
                        {"Controle da relação Ar/Gas com aplicação de limites cruzados duplos "
                         "para segurança contra excesso de gás e manutenção da relação "
                         "estequiométrica.",
                         "Application of double crossed limits for security against excess gas "
                         "and air"},
                        ""},
         GalleryExample{"sim3d",
                        "3d",
                        {"Queima com 2 combustíveis", "Combustion with two fuels"},
                        {"Controle da relação Ar/Gas com aplicação de dois combustíveis sendo um "
                         "preferencial (barato, porém com disponibilidade limitada) e outro "
                         "complementar.",
                         "Ratio control with a preferencial and limited fuel and a complementar "
                         "fuel"},
                        ""},
     }}},
    {{"Outros", "Others"},
     {{
         GalleryExample{"sim4",
                        "2",
                        {"Condutividade Linearizado", "Linearized pH control"},
                        {"Controle de condutividade em processo não-linear de lixiviação. Uso de "
                         "linearizador.",
                         "Non-Linear pH Control for leaching. Application of characterizer"},
                        ""},
         GalleryExample{"sim7",
                        "7",
                        {"Preditor de Smith", "Smith predictor"},
                        {"Uso de compensação de tempo morto em processo com enorme atraso de "
                         "transporte",
                         "Use of dead time compensation for process with great transport delay"},
                        ""},
         GalleryExample{"sim2",
                        "4",
                        {"4 Processos para Modelagem", "4 Processes for Modelling"},
                        {"Processos com dinâmicas variadas (ordem 1, 2 subamortecido, 4 e "
                         "integrador) para estudos sobre técnicas de modelagem.",
                         "Processes with different structures for modeling exercises"},
                        ""},
         GalleryExample{"sim19",
                        "19",
                        {"Resposta em Frequência", "Frequency Response"},
                        {"Simulação de uma malha de vazão submetida a SP e distúrbio com perfil "
                         "senoidal.",
                         "Flow loop simulation with variable sinusoidal SP and load changes."},
                        ""},
     }}},
}};

}  // namespace vork
