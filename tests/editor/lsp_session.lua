-- One editing session against a language server, driven by Neovim's own
-- client, for tests/editor/neovim_lsp.sh. It reads what to do from the
-- environment and writes what the editor saw, one finding per line, to
-- $SESSION_OUT (and every raw answer to $SESSION_OUT.json) so that the shell
-- side can compare text without a JSON reader of its own.
--
--   SESSION_CMD        the server's command line, words separated by tabs
--   SESSION_FILE       the C file to open
--   SESSION_COMPLETE   LINE:COL of the completion request (0-based, as LSP counts)
--   SESSION_HOVER      LINE:COL of the hover request
--   SESSION_SIGNATURE  LINE:COL of the signature help request
--   SESSION_FIX        LINE:TEXT, a line replaced once the first diagnostics came
--   SESSION_OUT        where to write the findings

local timeout_ms = 20000
local out_lines, raw = {}, {}

local function note(line)
  out_lines[#out_lines + 1] = (line:gsub('\n', '\\n'))
end

local function finish(status)
  local f = assert(io.open(os.getenv('SESSION_OUT'), 'w'))
  f:write(table.concat(out_lines, '\n'), '\n')
  f:close()
  local j = assert(io.open(os.getenv('SESSION_OUT') .. '.json', 'w'))
  j:write(vim.fn.json_encode(raw), '\n')
  j:close()
  vim.cmd((status == 0 and 'qall!' or 'cquit! ' .. status))
end

local function position(name)
  local line, col = os.getenv(name):match('^(%d+):(%d+)$')
  return { line = tonumber(line), character = tonumber(col) }
end

-- Each publication for the open file, in order of arrival.
local published = {}
local function on_diagnostics(err, result, ctx, config)
  if result and result.uri == vim.uri_from_fname(os.getenv('SESSION_FILE')) then
    published[#published + 1] = result.diagnostics
  end
  return vim.lsp.diagnostic.on_publish_diagnostics(err, result, ctx, config)
end

local capabilities = vim.lsp.protocol.make_client_capabilities()
-- A snippet engine is what makes the value lists of a call worth having.
capabilities.textDocument.completion.completionItem.snippetSupport = true

local ready = false
local client_id = vim.lsp.start_client({
  name = 'under-test',
  cmd = vim.split(os.getenv('SESSION_CMD'), '\t', { plain = true }),
  root_dir = vim.fn.fnamemodify(os.getenv('SESSION_FILE'), ':p:h'),
  capabilities = capabilities,
  handlers = { ['textDocument/publishDiagnostics'] = on_diagnostics },
  flags = { debounce_text_changes = 0 },
  on_init = function() ready = true end,
})
if not client_id then
  note('error: the server did not start')
  return finish(1)
end

vim.cmd('edit ' .. vim.fn.fnameescape(os.getenv('SESSION_FILE')))
local buffer = vim.api.nvim_get_current_buf()
vim.lsp.buf_attach_client(buffer, client_id)
if not vim.wait(timeout_ms, function() return ready end, 20) then
  note('error: no answer to initialize')
  return finish(1)
end

local function note_diagnostics(label, list)
  note(label .. ' ' .. #list)
  for _, d in ipairs(list) do
    note(string.format('diagnostic %d:%d-%d:%d severity %s: %s', d.range.start.line,
      d.range.start.character, d.range['end'].line, d.range['end'].character,
      tostring(d.severity), d.message))
  end
end

-- Diagnostics may come in several publications; the last one before a quiet
-- half second is what the editor shows.
local function settled(after)
  vim.wait(timeout_ms, function() return #published > after end, 20)
  local count
  repeat
    count = #published
    vim.wait(500, function() return #published > count end, 20)
  until #published == count
  return published[#published] or {}
end

local first = settled(0)
raw.diagnostics = first
note_diagnostics('diagnostics', first)

local function request(method, at)
  local params = {
    textDocument = vim.lsp.util.make_text_document_params(buffer),
    position = position(at),
  }
  local answers, err = vim.lsp.buf_request_sync(buffer, method, params, timeout_ms)
  if not answers or not answers[client_id] then
    note(method .. ' error: ' .. tostring(err))
    return nil
  end
  local answer = answers[client_id]
  if answer.err then
    note(method .. ' error: ' .. vim.inspect(answer.err))
    return nil
  end
  raw[method] = answer.result or vim.NIL
  return answer.result
end

local completion = request('textDocument/completion', 'SESSION_COMPLETE')
if completion then
  local items = completion.items or completion
  note('completion items ' .. #items .. ' incomplete ' .. tostring(completion.isIncomplete))
  for _, item in ipairs(items) do
    local text = item.textEdit and item.textEdit.newText or item.insertText or item.label
    note(string.format('completion %s | filter %s | format %s | inserts %s', item.label,
      tostring(item.filterText), tostring(item.insertTextFormat), text))
  end
end

local hover = request('textDocument/hover', 'SESSION_HOVER')
if hover then
  local contents = hover.contents
  note('hover ' .. (type(contents) == 'table' and (contents.value or vim.inspect(contents)) or tostring(contents)))
end

local signature = request('textDocument/signatureHelp', 'SESSION_SIGNATURE')
if signature and signature.signatures then
  local active = signature.signatures[(signature.activeSignature or 0) + 1] or {}
  note(string.format('signature %s | active parameter %s | parameters %d', tostring(active.label),
    tostring(active.activeParameter or signature.activeParameter), #(active.parameters or {})))
end

local fix = os.getenv('SESSION_FIX')
if fix and fix ~= '' then
  local line, text = fix:match('^(%d+):(.*)$')
  local before = #published
  vim.api.nvim_buf_set_lines(buffer, tonumber(line), tonumber(line) + 1, false, { text })
  local after = settled(before)
  raw.diagnostics_after_fix = after
  note_diagnostics('diagnostics after fix', after)
end

vim.lsp.stop_client(client_id)
vim.wait(2000, function() return vim.lsp.client_is_stopped(client_id) end, 20)
finish(0)
